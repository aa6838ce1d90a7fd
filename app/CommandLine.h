#pragma once
// The command line and the display platform, decided before the windows exist.
//
// "--help" and "--version" print and end the program. "/C" (any case) as the first
// parameter starts from the built-in settings (SkipSettingsRequested decides).
//
// Keeping a window above the others and putting it back where it was stored need X11:
// in a Wayland session the program runs through XWayland unless the user chose a
// platform (QT_QPA_PLATFORM or -platform).

#include <QByteArray>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace orbelune {

// The platform plugin to use in place of Qt's own choice: "xcb" in a Wayland session
// with an X display at hand when the user chose none; empty otherwise. Env reads an
// environment variable (empty when unset); Arguments are the program's own.
QByteArray WaylandFallbackPlatform(const std::function<QByteArray(const char*)>& Env,
                                   const QStringList& Arguments);

// Handles --help and --version (printing and ending the program) and refuses an unknown
// option with a message.
void ProcessCommandLine(QCoreApplication& App);

}  // namespace orbelune
