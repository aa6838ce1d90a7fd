#pragma once
// How the desktop knows the program: the application id that names its desktop entry,
// its icon and its AppStream metadata (the build reads it from here for the installed
// files), and the line that describes it in those entries.

namespace orbelune {

inline constexpr const char* DesktopAppId = "org.example.Orbelune";
inline constexpr const char* DesktopComment =
    "Clock, calendar, moon phases, astronomy and weather at a glance";

}  // namespace orbelune
