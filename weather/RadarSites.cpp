#include "RadarSites.h"

namespace orbelune {

const std::array<const char*, RadarLocationCount> RadarLocationNames{
    " USA - Entire USA Small",              // 0
    " USA - Entire USA Large",              // 1
    " USA - NorthEast",                     // 2
    " USA - SouthEast",                     // 3
    " USA - Great Lakes",                   // 4
    " USA - Louisiana",                     // 5
    " USA - Great Plains",                  // 6
    " USA - Texas",                         // 7
    " USA - Rockies North",                 // 8
    " USA - Rockies South",                 // 9
    " USA - Pacific NorthWest",             // 10
    " USA - California",                    // 11
    " USA - Alaska",                        // 12
    " USA - Hawaii",                        // 13
    " AK - Anchorage",                      // 14
    " AK - Bethel",                         // 15
    " AK - Fairbanks",                      // 16
    " AK - Juneau",                         // 17
    " AK - King Salmon",                    // 18
    " AK - Middleton Islands",              // 19
    " AK - Nome",                           // 20
    " AL - Birmingham",                     // 21
    " AL - Carrville (Maxwell AFB)",        // 22
    " AL - Fort Rucker",                    // 23
    " AL - Huntsville",                     // 24
    " AL - Mobile",                         // 25
    " AR - Fort Smith",                     // 26
    " AR - Little Rock",                    // 27
    " AZ - Flagstaff",                      // 28
    " AZ - Phoenix (Williams AFB)",         // 29
    " AZ - Tucson",                         // 30
    " AZ - Yuma",                           // 31
    " CA - California City (Edwards AFB)",  // 32
    " CA - Eureka",                         // 33
    " CA - Fresno",                         // 34
    " CA - Los Angeles",                    // 35
    " CA - Sacramento (Beale AFB)",         // 36
    " CA - Sacremento (McClellan AFB)",     // 37
    " CA - San Diego",                      // 38
    " CA - San Francisco",                  // 39
    " CA - Santa Ana (March AFB)",          // 40
    " CA - Santa Barbera (Vandenberg)",     // 41
    " CO - Denver",                         // 42
    " CO - Grand Junction",                 // 43
    " CO - Pueblo",                         // 44
    " DC - Washington",                     // 45
    " DE - Dover AFB",                      // 46
    " FL - Jacksonville",                   // 47
    " FL - Key West",                       // 48
    " FL - Melbourne",                      // 49
    " FL - Miami",                          // 50
    " FL - Red Bay (Eglin AFB)",            // 51
    " FL - Tallahassee",                    // 52
    " FL - Tampa Bay",                      // 53
    " GA - Atlanta",                        // 54
    " GA - Moody AFB",                      // 55
    " GA - Robins AFB",                     // 56
    " GU - Guam",                           // 57
    " HI - Kohala",                         // 58
    " HI - Molokai",                        // 59
    " HI - South Hawaii",                   // 60
    " HI - South Kauai",                    // 61
    " IA - Davenport",                      // 62
    " IA - Des Moines",                     // 63
    " ID - Boise",                          // 64
    " ID - Pocatello",                      // 65
    " IL - Chicago",                        // 66
    " IL - Springfield",                    // 67
    " IN - Evansville",                     // 68
    " IN - Indianapolis",                   // 69
    " IN - Webster",                        // 70
    " KS - Dodge City",                     // 71
    " KS - Goodland",                       // 72
    " KS - Topeka",                         // 73
    " KS - Wichita",                        // 74
    " KY - Fort Campbell",                  // 75
    " KY - Jackson",                        // 76
    " KY - Louisville (Fort Knox)",         // 77
    " KY - Paducah",                        // 78
    " LA - Fort Polk",                      // 79
    " LA - Lake Charles",                   // 80
    " LA - New Orleans",                    // 81
    " LA - Shreveport",                     // 82
    " MA - Boston",                         // 83
    " ME - Caribou (Loring AFB)",           // 84
    " ME - Portland",                       // 85
    " MI - Detroit",                        // 86
    " MI - Gaylord",                        // 87
    " MI - Grand Rapids",                   // 88
    " MI - Marquette",                      // 89
    " MN - Duluth",                         // 90
    " MN - Minneapolis-Saint Paul",         // 91
    " MO - Kansas City",                    // 92
    " MO - Springfield",                    // 93
    " MO - St Louis",                       // 94
    " MS - Columbus AFB",                   // 95
    " MS - Jackson",                        // 96
    " MT - Billings",                       // 97
    " MT - Glasgow",                        // 98
    " MT - Great Falls",                    // 99
    " MT - Missoula",                       // 100
    " NC - Newport",                        // 101
    " NC - Raleigh-Durham",                 // 102
    " NC - Wilmington",                     // 103
    " ND - Bismarck",                       // 104
    " ND - Fargo",                          // 105
    " ND - Minot AFB",                      // 106
    " NE - Grand Island",                   // 107
    " NE - North Platte",                   // 108
    " NE - Omaha",                          // 109
    " NM - Alamogordo (Holloman AFB)",      // 110
    " NM - Albuquerque",                    // 111
    " NM - Clovis (Cannon AFB)",            // 112
    " NV - Elko",                           // 113
    " NV - Las Vegas",                      // 114
    " NV - Reno",                           // 115
    " NY - Albany",                         // 116
    " NY - Binghamton",                     // 117
    " NY - Buffalo",                        // 118
    " NY - Montague (Ft Drum AFB)",         // 119
    " NY - New York City",                  // 120
    " OH - Cincinnati",                     // 121
    " OH - Cleveland",                      // 122
    " OK - Enid (Vance AFB)",               // 123
    " OK - Frederick",                      // 124
    " OK - Oklahoma City",                  // 125
    " OK - Tulsa",                          // 126
    " OR - Medford",                        // 127
    " OR - Pendleton",                      // 128
    " OR - Portland",                       // 129
    " PA - Philadelphia",                   // 130
    " PA - Pittsburgh",                     // 131
    " PA - State College",                  // 132
    " PR - San Juan",                       // 133
    " SC - Charleston",                     // 134
    " SC - Columbia",                       // 135
    " SC - Greenville",                     // 136
    " SD - Aberdeen",                       // 137
    " SD - Rapid City",                     // 138
    " SD - Sioux Falls",                    // 139
    " TN - Knoxville",                      // 140
    " TN - Memphis",                        // 141
    " TN - Nashville",                      // 142
    " TX - Abilene (Moran/Dyess AFB)",      // 143
    " TX - Amarillo",                       // 144
    " TX - Austin-San Antonio",             // 145
    " TX - Bracketville (Laughlin AFB)",    // 146
    " TX - Brownsville",                    // 147
    " TX - Central Texas (Ft Hood)",        // 148
    " TX - Corpus Christi",                 // 149
    " TX - Dallas-Ft Worth",                // 150
    " TX - El Paso",                        // 151
    " TX - Houston",                        // 152
    " TX - Lubbock",                        // 153
    " TX - Midland/Odessa",                 // 154
    " TX - San Angelo",                     // 155
    " UT - Cedar City",                     // 156
    " UT - Salt Lake City",                 // 157
    " VA - Norfolk-Richmond",               // 158
    " VA - Roanoke",                        // 159
    " VT - Burlington",                     // 160
    " WA - Seattle-Tacoma",                 // 161
    " WA - Spokane",                        // 162
    " WI - Green Bay",                      // 163
    " WI - LaCrosse",                       // 164
    " WI - Milwaukee",                      // 165
    " WV - Charleston",                     // 166
    " WY - Cheyenne",                       // 167
    " WY - Riverton",                       // 168
};

// Empty for the 14 mosaics; the sites follow in list order from index 14.
const std::array<const char*, RadarLocationCount> RadarSiteCodes{
    "",    "",    "",    "",    "",    "",    "",    "",    "",    "",    "",    "",    "",
    "",    "ahg", "abc", "apd", "acg", "akc", "aih", "aec", "bmx", "mxx", "eox", "htx", "mob",
    "srx", "lzk", "fsx", "iwa", "emx", "yux", "eyx", "bhx", "hnx", "vtx", "bbx", "dax", "nkx",
    "mux", "sox", "vbx", "ftg", "gjx", "pux", "lwx", "dox", "jax", "byx", "mlb", "amx", "evx",
    "tlh", "tbw", "ffc", "vax", "jgx", "gua", "hkm", "hmo", "hwa", "hki", "dvn", "dmx", "cbx",
    "sfx", "lot", "ilx", "vwx", "ind", "iwx", "ddc", "gld", "twx", "ict", "hpx", "jkl", "lvx",
    "pah", "poe", "lch", "lix", "shv", "box", "cbw", "gyx", "dtx", "apx", "grr", "mqt", "dlh",
    "mpx", "eax", "sgf", "lsx", "gwx", "dgx", "blx", "ggw", "tfx", "msx", "mhx", "rax", "ltx",
    "bis", "mvx", "mbx", "uex", "lnx", "oax", "hdx", "abx", "fdx", "lrx", "esx", "rgx", "enx",
    "bgm", "buf", "tyx", "okx", "iln", "cle", "vnx", "fdr", "tlx", "inx", "max", "pdt", "rtx",
    "dix", "pbz", "ccx", "jua", "clx", "cae", "gsp", "abr", "udx", "fsd", "mrx", "nqa", "ohx",
    "dyx", "ama", "ewx", "dfx", "bro", "grk", "crp", "fws", "epz", "hgx", "lbb", "maf", "sjt",
    "icx", "mtx", "akq", "fcx", "cxx", "atx", "otx", "grb", "arx", "mkx", "rlx", "cys", "riw"};

const std::array<TRadarMapRecord, RadarMosaicCount> MosaicMapRecords{{
    {0.017971305190311L, -127.620375523875L, 50.406626367301L},    // 0 USA small
    {0.017971305190311L, -127.620375523875L, 50.406626367301L},    // 1 USA large
    {0.0251932562511368L, -81.6138342366792L, 49.5080611077854L},  // 2 NorthEast
    {0.0251932562511368L, -90.2400607280285L, 36.9281474745677L},  // 3 SouthEast
    {0.0251932562511368L, -92.0371912470596L, 49.2384915299308L},  // 4 Great Lakes
    {0.0251932562511368L, -97.4285828041529L, 38.7252779935988L},  // 5 Louisiana
    {0.0251932562511368L, -104.617104880277L, 49.9573437375432L},  // 6 Great Plains
    {0.0251932562511368L, -107.492513710727L, 38.7252779935988L},  // 7 Texas
    {0.0251932562511368L, -116.118740202076L, 49.9573437375432L},  // 8 Rockies North
    {0.0251932562511368L, -117.915870721107L, 39.6238432531144L},  // 9 Rockies South
    {0.0251932562511368L, -127.620375523875L, 49.5080611077854L},  // 10 Pacific NorthWest
    {0.0251932562511368L, -127.620375523875L, 42.319539031661L},   // 11 California
    {0.08331546L, -176.0L, 73.9L},                                 // 12 Alaska
    {0.015680116966933L, -162.209677673567L, 24.3939841050841L},   // 13 Hawaii
}};

QString RadarLocationName(int Index) {
    return IsRadarLocation(Index) ? QString::fromLatin1(RadarLocationNames[Index]) : QString();
}

QString RadarSiteCodeUpper(int Index) {
    return IsRadarSite(Index) ? QString::fromLatin1(RadarSiteCodes[Index]).toUpper() : QString();
}

}  // namespace orbelune
