#include "BrowsableAddress.h"

#include <QFileInfo>

namespace orbelune {

std::optional<QUrl> BrowsableAddress(const QString& Address, const QString& HelpFile) {
    const QString text = Address.trimmed();
    if (text.isEmpty()) return std::nullopt;
    const QUrl url(text, QUrl::TolerantMode);
    if (url.isValid() && !url.host().isEmpty() &&
        (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")))
        return url;

    if (HelpFile.isEmpty()) return std::nullopt;
    const QString path = url.isLocalFile() ? url.toLocalFile() : text;
    const QString help = QFileInfo(HelpFile).canonicalFilePath();
    if (help.isEmpty() || QFileInfo(path).canonicalFilePath() != help) return std::nullopt;
    return QUrl::fromLocalFile(help);
}

QString NotBrowsableMessage(const QString& Address) {
    return QStringLiteral("Not opened: \"%1\" is not a web address (http:// or https://).")
        .arg(Address.trimmed());
}

QString NoBrowserMessage(const QString& Address) {
    return QStringLiteral(
               "No web browser could be started to open this address. You can copy "
               "it into a browser yourself:\n\n") +
           Address;
}

}  // namespace orbelune
