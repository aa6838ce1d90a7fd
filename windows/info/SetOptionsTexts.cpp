#include "SetOptionsTexts.h"

#include "Settings.h"

#include <array>

namespace orbelune {

namespace {

constexpr std::array<char, 4> TrayTypes = {'N', 'T', 'M', 'A'};
constexpr int SettingTextWidth = 128;
constexpr int HighestPort = 65535;

}  // namespace

char TrayTypeOfItem(int Item) {
    return Item >= 0 && Item < static_cast<int>(TrayTypes.size())
               ? TrayTypes[static_cast<size_t>(Item)]
               : 'N';
}

int TrayItemOfType(char Type) {
    for (size_t i = 1; i < TrayTypes.size(); ++i)
        if (TrayTypes[i] == Type) return static_cast<int>(i);
    return 0;
}

QStringList WeatherServerHosts() {
    return {QString::fromLatin1(DefaultWeatherServer), QStringLiteral("www.weather.gov")};
}

std::optional<QString> WeatherServerFromText(const QString& Text) {
    if (Text.size() <= 5 || !Text.contains(u'.')) return std::nullopt;
    return Text.left(SettingTextWidth);
}

std::optional<int> ProxyPortFromText(const QString& Text) {
    const QString text = Text.trimmed();
    if (text.isEmpty()) return 0;
    if (text.size() > 5) return std::nullopt;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return std::nullopt;
    const int port = text.toInt();
    if (port > HighestPort) return std::nullopt;
    return port;
}

QString ProxyPortText(int Port) {
    return Port < 1 ? QString() : QString::number(Port);
}

QString RunAtStartCaption() {
#ifdef Q_OS_WIN
    return QStringLiteral("Run When Windows  Starts");
#else
    return QStringLiteral("Run When The Desktop Session Starts");
#endif
}

}  // namespace orbelune
