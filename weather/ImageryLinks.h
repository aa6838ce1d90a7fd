#pragma once
// The reference pages behind the Radar tab's link labels: the weather service's pages
// on Doppler radar and on ground clutter, the hurricane centre and the satellite
// service, on the hosts of the web-host table. The radar pages keep their paths
// "/jetstream/doppler/doppler_intro.html" and "/jetstream/doppler/radarfaq.html#everything".

#include <QString>

namespace orbelune {

enum class TImageryLink { RadarInfo, GroundClutter, HurricaneCenter, SatelliteImages };

QString ImageryLinkAddress(TImageryLink Link);

}  // namespace orbelune
