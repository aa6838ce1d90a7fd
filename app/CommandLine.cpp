#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace orbelune {

QByteArray WaylandFallbackPlatform(const std::function<QByteArray(const char*)>& Env,
                                   const QStringList& Arguments) {
    if (!Env("QT_QPA_PLATFORM").isEmpty()) return {};
    for (const QString& argument : Arguments)
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform") ||
            argument.startsWith(QLatin1String("-platform=")) ||
            argument.startsWith(QLatin1String("--platform=")))
            return {};
    const bool wayland = !Env("WAYLAND_DISPLAY").isEmpty() ||
                         Env("XDG_SESSION_TYPE").compare("wayland", Qt::CaseInsensitive) == 0;
    if (!wayland || Env("DISPLAY").isEmpty()) return {};
    return QByteArrayLiteral("xcb");
}

void ProcessCommandLine(QCoreApplication& App) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orbelune: a desktop clock, calendar, astronomy and weather companion."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("/C"),
        QStringLiteral("Start from the built-in settings: the stored settings are not read, "
                       "and closing the program writes the built-in settings over them."),
        QStringLiteral("[/C]"));
    parser.process(App);
}

}  // namespace orbelune
