#include "ReportText.h"

#include "DateTimeRtl.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>

#include <cmath>

namespace orbelune {

namespace {

constexpr auto DefaultStation = "KNYC";
constexpr double MillisecondsPerDay = 86400000.0;

bool IsAsciiLetterOrDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
}

// The N-th (from 0) non-empty part of Line between "/" characters.
QString SlashWord(const QString& Line, int N) {
    const QStringList words = Line.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return N < words.size() ? words[N] : QString();
}

}  // namespace

QString CleanReportText(const QByteArray& Reply) {
    const QString decoded = QString::fromUtf8(Reply).normalized(QString::NormalizationForm_C);
    QString clean;
    clean.reserve(decoded.size());
    int marks = 0;  // combining marks on the last character
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar c = decoded[i];
        const bool mark = c.isMark();
        marks = mark ? marks + 1 : 0;
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && i + 1 < decoded.size() && decoded[i + 1] == '\n')) {
            clean += c;
        } else if (c == QLatin1Char('\t') || c == QLatin1Char('\r')) {
            clean += QLatin1Char(' ');
        } else if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format &&
                   c != QChar::ReplacementCharacter && !c.isSurrogate() && !c.isNonCharacter() &&
                   marks <= MaxCombiningMarks) {
            clean += c;
        }
    }
    return clean;
}

QStringList SplitReportLines(const QString& Reply) {
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
    QStringList lines = Reply.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool IsHtmlReply(const QString& Reply) {
    return Reply.left(5).toUpper() == QLatin1String("<HTML");
}

bool LooksLikeReport(const QStringList& Lines) {
    static const QRegularExpression stamp(
        QStringLiteral("^\\d{4}\\.\\d{2}\\.\\d{2} \\d{4}(\\D|$)"));
    if (Lines.size() < 2 ||
        !std::any_of(Lines[0].begin(), Lines[0].end(), [](QChar c) { return c.isLetter(); }))
        return false;
    const qsizetype slash = Lines[1].indexOf(QLatin1Char('/'));
    return slash > 0 && stamp.match(Lines[1].mid(slash + 1).trimmed()).hasMatch();
}

bool ParseReportTime(const QStringList& Lines, TDateTime& ReportTimeUtc) {
    if (Lines.size() < 2) return false;
    const QString stamp = SlashWord(Lines[1], 1).trimmed();
    const auto number = [&stamp](int column, int width, bool& ok) {
        return stamp.mid(column - 1, width).toInt(&ok);
    };
    bool ok[5] = {};
    const int year = number(1, 4, ok[0]);
    const int month = number(6, 2, ok[1]);
    const int day = number(9, 2, ok[2]);
    const int hour = number(12, 2, ok[3]);
    const int minute = number(14, 2, ok[4]);
    for (const bool fieldOk : ok)
        if (!fieldOk) return false;
    TDateTime value = 0.0;
    if (!TryEncodeDateTime(year, month, day, hour, minute, 0, 0, value)) return false;
    ReportTimeUtc = value;
    return true;
}

QString ReportLocalTimeText(const QStringList& Lines) {
    return Lines.size() < 2 ? QString() : SlashWord(Lines[1], 0);
}

std::pair<QString, QString> SplitAtMargin(const QString& Line, int Margin) {
    const qsizetype length = Line.size();
    if (length <= Margin || Margin < 1) return {Line, QString()};
    const auto blank = [&Line](qsizetype i) { return Line[i] == QLatin1Char(' '); };
    // Positions are 0-based here; column Margin is index Margin - 1.
    qsizetype wordEnd = Line.indexOf(QLatin1Char(' '), Margin - 1);
    if (wordEnd < 0) wordEnd = length;
    qsizetype end = wordEnd;  // one past the head's last character
    while (end > 0 && blank(end - 1)) --end;
    if (end > Margin) {
        qsizetype before = end - 1;
        while (before >= 0 && !blank(before)) --before;
        if (before < 0) {
            end = Margin;
        } else {
            end = before;
            while (end > 0 && blank(end - 1)) --end;
        }
    }
    qsizetype tail = end;
    while (tail < length && blank(tail)) ++tail;
    return {Line.left(end), Line.mid(tail)};
}

QStringList WrapReportLines(const QStringList& Lines, int Margin) {
    QStringList wrapped;
    wrapped.reserve(Lines.size() * 2);
    for (const QString& line : Lines) {
        auto [head, tail] = SplitAtMargin(line, Margin);
        wrapped << head;
        if (!tail.isEmpty()) wrapped << tail;
    }
    return wrapped;
}

QStringList DropLastTwoLines(QStringList Lines) {
    Lines.resize(std::max<qsizetype>(0, Lines.size() - 2));
    return Lines;
}

QString StationForRequest(const QString& Code) {
    if (Code.size() != 4 || !std::all_of(Code.begin(), Code.end(), IsAsciiLetterOrDigit))
        return QString::fromLatin1(DefaultStation);
    return Code.toUpper();
}

QString ReportPath(const QString& Station) {
    return QStringLiteral("/data/observations/metar/decoded/") + Station + QStringLiteral(".TXT");
}

int ReportAgeMinutes(TDateTime NowUtc, TDateTime ReportTimeUtc) {
    // Whole milliseconds first: a day fraction of exactly five minutes is stored a hair
    // below it and would otherwise truncate to four.
    const double milliseconds = std::nearbyint((NowUtc - ReportTimeUtc) * MillisecondsPerDay);
    if (!std::isfinite(milliseconds) || std::fabs(milliseconds) > 1e15) return 0;
    const long long minutes = static_cast<long long>(milliseconds) / 60000;  // toward zero
    return minutes > INT_MAX || minutes < 0 ? 0 : static_cast<int>(minutes);
}

}  // namespace orbelune
