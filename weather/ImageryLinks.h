#pragma once
// The reference pages behind the Radar tab's link labels: the weather service's pages
// on Doppler radar and on ground clutter, the hurricane centre and the satellite
// service. Hosts are the services' current ones; the radar pages keep their paths
// "/jetstream/doppler/doppler_intro.html" and "/jetstream/doppler/radarfaq.html#everything".

#include <QUrl>

namespace orbelune {

enum class TImageryLink { RadarInfo, GroundClutter, HurricaneCenter, SatelliteImages };

QUrl ImageryLinkAddress(TImageryLink Link);

}  // namespace orbelune
