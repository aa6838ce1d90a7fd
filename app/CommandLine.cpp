#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace orbelune {

namespace {

constexpr int UsageErrorExitCode = 2;

// The options QGuiApplication, QApplication and the X11 platform take from the command
// line, with a value after them or alone. They are Qt's to read; the parser here would
// take "-platform" for eight unknown one-letter options.
const QStringList QtOptionsWithValue =
    QStringLiteral(
        "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
        "qwindowtitle geometry title icon display name session style stylesheet "
        "visual ncols cmap im inputstyle")
        .split(QLatin1Char(' '));
const QStringList QtFlags =
    QStringLiteral("reverse widgetcount nograb dograb sync qmljsdebugger").split(QLatin1Char(' '));

// Arguments without the options that are Qt's (in the forms "-name", "--name",
// "-name=value" and "-name value").
QStringList WithoutQtOptions(const QStringList& Arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < Arguments.size(); ++i) {
        const QString& argument = Arguments[i];
        if (i == 0 || !argument.startsWith(QLatin1Char('-'))) {
            kept << argument;
            continue;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) name.truncate(equals);
        if (QtFlags.contains(name)) continue;
        if (!QtOptionsWithValue.contains(name)) {
            kept << argument;
            continue;
        }
        if (equals < 0) ++i;  // its value follows
    }
    return kept;
}

}  // namespace

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

TCommandLineVerdict ReadCommandLine(const QStringList& Arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orbelune: a desktop clock, calendar, astronomy and weather companion."));
    // Qt's own help option offers --help-all for "generic Qt options", which a parser
    // that runs before the application exists cannot list: one help serves all three.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all")},
        QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("/C"),
        QStringLiteral("Start from the built-in settings: the stored settings are not read, "
                       "and closing the program writes the built-in settings over them."),
        QStringLiteral("[/C]"));
    // Without an application the usage line cannot name the program; it is put first here.
    const auto usage = [&parser] {
        QString text = parser.helpText();
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
        return QStringLiteral("Usage: %1 [options] [/C]\n")
                   .arg(QCoreApplication::applicationName()) +
               text;
    };
    if (!parser.parse(WithoutQtOptions(Arguments)))
        return {true, UsageErrorExitCode,
                QStringLiteral("%1: %2\n\n")
                        .arg(QCoreApplication::applicationName(), parser.errorText()) +
                    usage()};
    if (parser.isSet(help)) return {true, 0, usage()};
    if (parser.isSet(version))
        return {true, 0,
                QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n')};
    return {};
}

}  // namespace orbelune
