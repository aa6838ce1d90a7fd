#include "IniValuesAsWritten.h"

#include <QRegularExpression>

namespace orbelune {

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString WithoutBlanksAtTheEnds(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && IsBlank(text[first])) ++first;
    while (end > first && IsBlank(text[end - 1])) --end;
    return text.mid(first, end - first);
}

// The character an escape letter stands for; a null character for none.
QChar EscapedCharacter(QChar letter) {
    switch (letter.unicode()) {
        case 'a':
            return QChar(0x07);
        case 'b':
            return QChar(0x08);
        case 't':
            return QChar(0x09);
        case 'n':
            return QChar(0x0A);
        case 'v':
            return QChar(0x0B);
        case 'f':
            return QChar(0x0C);
        case 'r':
            return QChar(0x0D);
        case '"':
        case '\'':
        case '\\':
        case '?':
            return letter;
        default:
            return {};
    }
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// Text[From, To) with its escapes decoded.
QString Unescaped(const QString& text, qsizetype from, qsizetype to) {
    QString out;
    out.reserve(to - from);
    for (qsizetype i = from; i < to; ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 >= to) {
            out += text[i];
            continue;
        }
        const QChar letter = text[i + 1];
        if (const QChar c = EscapedCharacter(letter); !c.isNull()) {
            out += c;
            ++i;
        } else if (letter == QLatin1Char('x') && i + 2 < to && HexDigit(text[i + 2]) >= 0) {
            char16_t code = 0;
            qsizetype j = i + 2;
            for (; j < to && j < i + 6 && HexDigit(text[j]) >= 0; ++j)
                code = static_cast<char16_t>(code * 16 + HexDigit(text[j]));
            out += QChar(code);
            i = j - 1;
        } else {
            out += text[i];  // not an escape: the backslash stays
        }
    }
    return out;
}

// True when Value is one double-quoted string: its only unescaped quote after the first
// is its last character.
bool IsQuoted(const QString& value) {
    if (value.size() < 2 || value.front() != QLatin1Char('"')) return false;
    for (qsizetype i = 1; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\'))
            ++i;
        else if (value[i] == QLatin1Char('"'))
            return i == value.size() - 1;
    }
    return false;
}

QString ValueAsWritten(const QString& raw) {
    const QString value = WithoutBlanksAtTheEnds(raw);
    if (IsQuoted(value)) return Unescaped(value, 1, value.size() - 1);
    const qsizetype from = value.startsWith(QLatin1String("@@")) ? 1 : 0;
    return Unescaped(value, from, value.size());
}

}  // namespace

QList<QPair<QString, QString>> IniValuesAsWritten(const QByteArray& Text, const QString& Section) {
    static const QRegularExpression keyLine(QStringLiteral("^[ \\t]*([A-Za-z0-9_]+)[ \\t]*=(.*)$"));
    QList<QPair<QString, QString>> values;
    bool inSection = false;
    for (QByteArray line : Text.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        const QString text = QString::fromUtf8(line);
        const QString start = WithoutBlanksAtTheEnds(text);
        if (start.startsWith(QLatin1Char('['))) {
            inSection = start == QLatin1Char('[') + Section + QLatin1Char(']');
            continue;
        }
        if (!inSection) continue;
        const QRegularExpressionMatch match = keyLine.match(text);
        if (match.hasMatch()) values.append({match.captured(1), ValueAsWritten(match.captured(2))});
    }
    return values;
}

}  // namespace orbelune
