#pragma once
// What a satellite request asks the satellite image server for. A region (the
// Satellite tab's region box, 22 entries) and an image type (infrared, visible, water
// vapour) make a code such as "ECIR"; colourised stills of the eastern and western
// United States add a colour number ("ECI6"). Regions 0..12 also have loops of ten
// frames, "/GSSLOOPS/<code>/1.jpg" .. "10.jpg" (regions 4..6 under "/HURRLOOPS/", the
// hurricane sector with the bare type as its code, "vs"). A still is
// "/FULLDISK/<code>.JPG" for the full-disk views and "/GIFS/<code>.JPG" otherwise. All
// below "http://" + the server.

#include "Download.h"

#include <QString>
#include <QStringList>

namespace orbelune {

inline constexpr int SatelliteRegionCount = 22;
inline constexpr int SatelliteFrameSlots = 10;

enum TSatelliteType { SatInfrared = 0, SatVisible = 1, SatWaterVapor = 2 };

// The region's code ("EC", "WC", ..., "MT"); "EC" outside the table.
QString SatelliteRegionCode(int Region);
// Regions 0..12 have loops (and so "Animate" and "Repeat").
bool IsSatelliteLoopRegion(int Region);
// The types a region offers: infrared always, visible except for regions 13..17, water
// vapour for regions 0..10 only.
bool SatelliteTypeOffered(int Region, int Type);

// The addresses of a loop's ten frames for a code, in the folder of Region.
QStringList SatelliteLoopList(const QString& Server, const QString& Code, int Region);
// The address of a still image of Code.
QString SatelliteStillAddress(const QString& Server, const QString& Code);
// The list of a hurricane loop's frame names the server publishes.
QString SatelliteFileNamesAddress(const QString& Server, const QString& Code);

// Images are a few hundred kilobytes; full-disk views a few megabytes. A whole request
// has its own time, a loop's ten transfers together, and its pictures decoded may take
// PictureMaxBytes, so that a hostile server's frames cannot claim gigabytes.
struct TSatelliteLimits {
    int TimeoutMs = 30000;  // each transfer
    int RequestBudgetMs = 60000;
    qint64 ImageMaxBytes = 8 * 1024 * 1024;
    qint64 TextMaxBytes = 64 * 1024;
    qint64 PictureMaxBytes = 256 * 1024 * 1024;
};

struct TSatelliteRequest {
    int Region = 0;
    int Type = SatInfrared;  // the type fetched (infrared where the region has not the one chosen)
    QString Code;
    bool Animate = false;  // show the loop's frames (UseList)
    QStringList Frames;    // the loop's frame addresses (regions 0..12)
    bool Repeat = true;    // run the loop once its frames have arrived
    QString Server;
    TProxyRule Proxy;
    TSatelliteLimits Limits;
    bool UseMilitaryTime = false;  // of the last-download line
};

// The request of "Get Satellite" for the boxes' choices: Animate is honoured for the
// loop regions only; a colour (1..4) applies to a still of region 0 or 1. A type the
// region does not offer is taken as infrared.
TSatelliteRequest SatelliteRequestFor(int Region, int Type, int Color, bool AnimateChecked,
                                      const QString& Server);

}  // namespace orbelune
