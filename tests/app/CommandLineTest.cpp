// The display platform chosen before the windows exist.
#include "CommandLine.h"

#include <QMap>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(WaylandFallbackPlatform, XcbInAWaylandSessionUnlessTheUserChose) {
    struct Case {
        QMap<QByteArray, QByteArray> Env;
        QStringList Arguments;
        QByteArray Expected;
    };
    const QMap<QByteArray, QByteArray> wayland = {{"WAYLAND_DISPLAY", "wayland-0"},
                                                  {"DISPLAY", ":0"}};
    const Case cases[] = {
        {wayland, {"orbelune"}, "xcb"},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}, {"orbelune", "/C"}, "xcb"},
        {{{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}}, {"orbelune"}, ""},  // X11 session
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, {"orbelune"}, ""},                // no XWayland
        {wayland, {"orbelune", "-platform", "wayland"}, ""},                   // chosen
        {wayland, {"orbelune", "--platform=offscreen"}, ""},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}},
         {"orbelune"},
         ""},
    };
    for (const Case& c : cases) {
        const auto env = [&c](const char* name) { return c.Env.value(name); };
        EXPECT_EQ(WaylandFallbackPlatform(env, c.Arguments), c.Expected)
            << c.Arguments.join(' ').toStdString() << " " << c.Env.keys().join(' ').toStdString();
    }
}

}  // namespace
}  // namespace orbelune
