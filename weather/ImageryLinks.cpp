#include "ImageryLinks.h"

#include "WebHosts.h"

namespace orbelune {

QString ImageryLinkAddress(TImageryLink Link) {
    switch (Link) {
        case TImageryLink::RadarInfo:
            return WebAddress(TWebService::NwsJetStream,
                              QStringLiteral("/jetstream/doppler/doppler_intro.html"));
        case TImageryLink::GroundClutter:
            return WebAddress(TWebService::NwsJetStream,
                              QStringLiteral("/jetstream/doppler/radarfaq.html#everything"));
        case TImageryLink::HurricaneCenter:
            return WebAddress(TWebService::HurricaneCenter, QStringLiteral("/"));
        case TImageryLink::SatelliteImages:
            return WebAddress(TWebService::SatelliteService, QStringLiteral("/"));
    }
    return QString();
}

}  // namespace orbelune
