// The command line and the display platform, read before the windows exist.
#include "CommandLine.h"

#include <QCoreApplication>
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

// Qt's own options pass to Qt, whatever their form; ours end the program with 0, an
// unknown one with 2 and the reason.
TEST(ReadCommandLine, HelpVersionAndUnknownOptionsEndTheProgram) {
    const struct {
        QStringList Arguments;
        bool End;
        int ExitCode;
        const char* Says;  // a piece of the output
    } cases[] = {
        {{"orbelune"}, false, 0, ""},
        {{"orbelune", "/C"}, false, 0, ""},
        {{"orbelune", "-platform", "offscreen", "/c"}, false, 0, ""},
        {{"orbelune", "--style=fusion", "-reverse", "-qwindowtitle", "x", "--display", ":1"},
         false,
         0,
         ""},
        {{"orbelune", "-qmljsdebugger=port:1234"}, false, 0, ""},
        {{"orbelune", "--help"}, true, 0, "Usage: orbelune [options] [/C]\n"},
        {{"orbelune", "-h", "-platform", "offscreen"}, true, 0, "built-in settings"},
        {{"orbelune", "--help-all"}, true, 0, "-h, --help, --help-all"},
        {{"orbelune", "--version"}, true, 0, "orbelune 0.0.1-test\n"},
        {{"orbelune", "--bogus"}, true, 2, "orbelune: Unknown option 'bogus'."},
        {{"orbelune", "--bogus", "--help"}, true, 2, "Usage: orbelune"},
        {{"orbelune", "-style"}, false, 0, ""},  // its missing value is Qt's to say
    };
    const QString name = QCoreApplication::applicationName();
    const QString version = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationName("orbelune");
    QCoreApplication::setApplicationVersion("0.0.1-test");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.join(' ').toStdString());
        const TCommandLineVerdict verdict = ReadCommandLine(c.Arguments);
        EXPECT_EQ(verdict.End, c.End);
        EXPECT_EQ(verdict.ExitCode, c.ExitCode);
        EXPECT_TRUE(verdict.Output.contains(QLatin1String(c.Says))) << verdict.Output.toStdString();
    }
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(version);
}

}  // namespace
}  // namespace orbelune
