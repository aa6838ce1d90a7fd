#pragma once
// The map pages of the Maps tab: the twenty map sites, the site code behind each list
// entry, and the address of a site's map of a place. In: the site code (0 to 19; any
// other code is site 0), latitude and longitude in degrees (north and east positive)
// and the location's city and state. Out: "http://" + the site's host + its path, the
// numbers with the site's count of decimals and "." as the decimal point, city and
// state percent-encoded. QtCore only.

#include <QString>

#include <array>

namespace orbelune {

inline constexpr int MapSiteCount = 20;

// The list texts of MapSiteBox; the index is the list index (not the site code).
extern const std::array<const char*, MapSiteCount> MapSiteNames;

// The site code of a list index: the two entries 16 and 17 swap, so that each reaches
// its own address; no selection (-1) or any other index gives code 0.
int MapSiteCode(int ListIndex);

struct TMapPlace {
    double Latitude = 0;
    double Longitude = 0;
    QString CityName;
    QString StateName;
};

QString GetMap(int SiteCode, const TMapPlace& Place);

}  // namespace orbelune
