#pragma once
// One radar request for a single site: what it asks the radar server for, the layers it
// wants, and the limits of its downloads. The user-interface thread fills it from the
// settings; the worker reads nothing else.
//
// Every layer sits below "https://" + the server:
//   overlays   /ridge/Overlays/<Kind>/<Size>/<SITE>_<Name>_<Size>.gif (Topo: .jpg)
//   frames     /ridge/RadarImg/<PRODUCT>/<SITE>/       (names from the listing)
//   legends    /ridge/Legend/<PRODUCT>/<SITE>/
//   warnings   /ridge/Warnings/<Size>/<SITE>/
// Size is "Long" for the long-range product NOZ (sent as N0Z) and "Short" otherwise.

#include "Download.h"
#include "RadarGeometry.h"

#include <QString>

#include <array>

namespace orbelune {

struct TSettings;

// The composed frames a request may keep; every frame count is held within 1..30.
inline constexpr int RadarFrameSlots = 30;
int ClampRadarFrameCount(int Count);

// The layers of a site image, in the order they are fetched and stacked.
enum class TRadarLayer {
    Topo,
    Radar,
    Counties,
    Rivers,
    Highways,
    Cities,
    Warnings,
    RangeRings,
    Legend
};
inline constexpr int RadarLayerKindCount = 9;

// The product code of a list index of the product box: "NOZ", "N0R", "NCR", "N1P",
// "NTP", "NOS", "NOV"; empty for any other index.
QString RadarProductCode(int Product);
// "Long" for the long-range product, "Short" for every other.
QString RadarSizeWord(const QString& ProductCode);
// The product as the server's paths spell it (NOZ becomes N0Z).
QString RadarPathProduct(const QString& ProductCode);

// The path of an overlay (Topo, Counties, Rivers, Highways, Cities, RangeRings); empty
// for the other layers.
QString RadarOverlayPath(TRadarLayer Layer, const QString& Site, const QString& Size);
QString RadarFrameDirectory(const QString& PathProduct, const QString& Site);
QString RadarLegendDirectory(const QString& PathProduct, const QString& Site);
QString RadarWarningsDirectory(const QString& Size, const QString& Site);

// Radar images are tens of kilobytes and a listing a few; a mosaic loop of the large
// national map some megabytes. These caps leave ample room and still stop a server that
// sends without end.
// PictureMaxBytes bounds what a request's pictures take decoded (a loop's frames and
// the frames composed from them), so that a small hostile file cannot claim gigabytes.
struct TRadarLimits {
    int TimeoutMs = 30000;  // each transfer
    qint64 ListingMaxBytes = 1024 * 1024;
    qint64 ImageMaxBytes = 4 * 1024 * 1024;
    qint64 MosaicMaxBytes = 32 * 1024 * 1024;
    qint64 PictureMaxBytes = 256 * 1024 * 1024;
    int RequestBudgetMs = 180000;  // the whole request: later transfers are skipped
};

// The layers asked for (the overlay check boxes).
struct TRadarLayerChoice {
    bool Topo = true;
    bool Radar = true;
    bool Counties = true;
    bool Rivers = true;
    bool Highways = true;
    bool Cities = true;
    bool Warnings = true;
    bool RangeRings = true;
    bool Legend = true;
    bool WarningsText = true;  // warning colours become labels
    bool WantsWarnings() const { return Warnings || WarningsText; }
};

struct TRadarRequest {
    int Location = -1;  // a site 14..168, or a mosaic 0..13
    int ProductIndex = 1;
    QString Product;  // the code of ProductIndex
    QString Site;     // upper case
    bool Animate = false;
    int MaxImages = 10;  // frames wanted, clamped before use
    QString Server;
    TProxyRule Proxy;
    TRadarLimits Limits;
    TRadarLayerChoice Layers;
    // How each frame is composed.
    long double Zoom = 1.0L;
    bool ShowSites = true;
    TLonLat Home;
    bool UseMilitaryTime = false;  // of the time line
};

// A request for a site with the settings' product, layers, server, proxy and home.
TRadarRequest RadarRequestFor(const TSettings& Settings, int Location, int MaxImages,
                              long double Zoom);

}  // namespace orbelune
