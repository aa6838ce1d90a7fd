#pragma once
// The command line and the display platform, decided before the windows exist.
//
// "--help" and "--version" print and end the program, and an unknown option is refused,
// before anything needs a display: they work over ssh, on a console and in CI. The
// options Qt's own classes take (-platform, -style, -display, ...) are left to them.
// "/C" (any case) as the first parameter starts from the built-in settings
// (SkipSettingsRequested decides).
//
// Keeping a window above the others and putting it back where it was stored need X11:
// in a Wayland session the program runs through XWayland unless the user chose a
// platform (QT_QPA_PLATFORM or -platform).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace orbelune {

// The platform plugin to use in place of Qt's own choice: "xcb" in a Wayland session
// with an X display at hand when the user chose none; empty otherwise. Env reads an
// environment variable (empty when unset); Arguments are the program's own.
QByteArray WaylandFallbackPlatform(const std::function<QByteArray(const char*)>& Env,
                                   const QStringList& Arguments);

// What the command line asks for before the program starts.
struct TCommandLineVerdict {
    bool End = false;  // print Output and end with ExitCode instead of starting
    int ExitCode = 0;  // 0 after --help or --version, 2 for an unknown option
    QString Output;    // for the standard output, or the standard error when ExitCode != 0
};

// Reads Arguments (the program's own first) with the application's name and version as
// QCoreApplication holds them; needs no QCoreApplication instance.
TCommandLineVerdict ReadCommandLine(const QStringList& Arguments);

}  // namespace orbelune
