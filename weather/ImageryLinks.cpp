#include "ImageryLinks.h"

namespace orbelune {

QUrl ImageryLinkAddress(TImageryLink Link) {
    switch (Link) {
        case TImageryLink::RadarInfo:
            return QUrl(
                QStringLiteral("https://www.weather.gov/jetstream/doppler/doppler_intro.html"));
        case TImageryLink::GroundClutter:
            return QUrl(QStringLiteral(
                "https://www.weather.gov/jetstream/doppler/radarfaq.html#everything"));
        case TImageryLink::HurricaneCenter:
            return QUrl(QStringLiteral("https://www.nhc.noaa.gov/"));
        case TImageryLink::SatelliteImages:
            return QUrl(QStringLiteral("https://www.nesdis.noaa.gov/"));
    }
    return QUrl();
}

}  // namespace orbelune
