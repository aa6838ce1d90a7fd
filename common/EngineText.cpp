#include "EngineText.h"

#include <QStringDecoder>

namespace orbelune {

QString FromEngineText(const std::string& Text) {
    const QByteArrayView bytes(Text.data(), static_cast<qsizetype>(Text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

std::string ToEngineText(const QString& Text) {
    return Text.toStdString();
}

}  // namespace orbelune
