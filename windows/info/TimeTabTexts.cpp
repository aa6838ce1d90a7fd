#include "TimeTabTexts.h"

#include "DateTimeRtl.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>

namespace orbelune {

namespace {

// The NTP Pool Project's round-robins (world, continents, countries), then the servers
// of national time laboratories and large networks; blank-separated.
constexpr const char* TimeServerList =
    "pool.ntp.org 0.pool.ntp.org 1.pool.ntp.org 2.pool.ntp.org 3.pool.ntp.org "
    "africa.pool.ntp.org 0.africa.pool.ntp.org 1.africa.pool.ntp.org 2.africa.pool.ntp.org "
    "3.africa.pool.ntp.org asia.pool.ntp.org 0.asia.pool.ntp.org 1.asia.pool.ntp.org "
    "2.asia.pool.ntp.org 3.asia.pool.ntp.org europe.pool.ntp.org 0.europe.pool.ntp.org "
    "1.europe.pool.ntp.org 2.europe.pool.ntp.org 3.europe.pool.ntp.org "
    "north-america.pool.ntp.org 0.north-america.pool.ntp.org 1.north-america.pool.ntp.org "
    "2.north-america.pool.ntp.org 3.north-america.pool.ntp.org oceania.pool.ntp.org "
    "0.oceania.pool.ntp.org 1.oceania.pool.ntp.org 2.oceania.pool.ntp.org "
    "3.oceania.pool.ntp.org south-america.pool.ntp.org 0.south-america.pool.ntp.org "
    "1.south-america.pool.ntp.org 2.south-america.pool.ntp.org 3.south-america.pool.ntp.org "
    "ar.pool.ntp.org at.pool.ntp.org au.pool.ntp.org be.pool.ntp.org br.pool.ntp.org "
    "ca.pool.ntp.org ch.pool.ntp.org cl.pool.ntp.org cn.pool.ntp.org cz.pool.ntp.org "
    "de.pool.ntp.org dk.pool.ntp.org es.pool.ntp.org fi.pool.ntp.org fr.pool.ntp.org "
    "gr.pool.ntp.org hk.pool.ntp.org hu.pool.ntp.org id.pool.ntp.org ie.pool.ntp.org "
    "il.pool.ntp.org in.pool.ntp.org it.pool.ntp.org jp.pool.ntp.org kr.pool.ntp.org "
    "mx.pool.ntp.org nl.pool.ntp.org no.pool.ntp.org nz.pool.ntp.org pl.pool.ntp.org "
    "pt.pool.ntp.org ro.pool.ntp.org ru.pool.ntp.org se.pool.ntp.org sg.pool.ntp.org "
    "tr.pool.ntp.org tw.pool.ntp.org uk.pool.ntp.org us.pool.ntp.org za.pool.ntp.org "
    "time.google.com time1.google.com time2.google.com time3.google.com time4.google.com "
    "time.cloudflare.com time.facebook.com time1.facebook.com time2.facebook.com "
    "time3.facebook.com time4.facebook.com time5.facebook.com time.apple.com "
    "time.euro.apple.com time.asia.apple.com time.windows.com ntp.ubuntu.com time.nist.gov "
    "time-a-g.nist.gov time-b-g.nist.gov time-c-g.nist.gov time-d-g.nist.gov "
    "time-a-wwv.nist.gov time-b-wwv.nist.gov time-c-wwv.nist.gov time-d-wwv.nist.gov "
    "time-a-b.nist.gov time-b-b.nist.gov time-c-b.nist.gov time-d-b.nist.gov "
    "utcnist.colorado.edu utcnist2.colorado.edu ptbtime1.ptb.de ptbtime2.ptb.de "
    "ptbtime3.ptb.de ntp1.npl.co.uk ntp2.npl.co.uk ntp.se sth1.ntp.se sth2.ntp.se gbg1.ntp.se "
    "gbg2.ntp.se mmo1.ntp.se mmo2.ntp.se lul1.ntp.se lul2.ntp.se ntp.nict.jp time.nrc.ca "
    "time.chu.nrc.ca ntp.nic.cz";

QDateTime QtDateTimeOf(TDateTime Value) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, milli = 0;
    DecodeDate(Value, year, month, day);
    DecodeTime(Value, hour, minute, second, milli);
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, milli));
}

// The locale's long time format without the zone, which a TDateTime does not carry.
QString LongTimeFormat(const QLocale& Locale) {
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    return Locale.timeFormat(QLocale::LongFormat).replace(zone, QStringLiteral(" ")).trimmed();
}

QString SecondsText(double OffsetDays, QLocale Locale) {
    Locale.setNumberOptions(QLocale::OmitGroupSeparator);
    double seconds = OffsetDays * 86400.0;
    if (std::round(seconds * 1000.0) == 0.0) seconds = 0.0;  // no "-0.000"
    return Locale.toString(seconds, 'f', 3);
}

}  // namespace

QStringList TimeServerNames() {
    return QString::fromLatin1(TimeServerList).split(QLatin1Char(' '));
}

TCaptionParts SplitAtBlanks(const QString& Caption) {
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    const QRegularExpressionMatch match = blanks.match(Caption);
    if (!match.hasMatch()) return {Caption, QString()};
    return {Caption.left(match.capturedStart()), Caption.mid(match.capturedEnd())};
}

TInternetTimeTexts InternetTimeTexts(const TInternetTimeResult& Result, const QLocale& Locale) {
    TInternetTimeTexts texts;
    if (Result.Obtained == 0) {
        texts.Result = Result.Note;
        return texts;
    }
    texts.TimeStamp = Locale.toString(
        QtDateTimeOf(Result.Obtained),
        Locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') + LongTimeFormat(Locale));
    texts.Result = (Result.Adjusted ? QStringLiteral("PC Clock Adjusted:  ")
                                    : QStringLiteral("Time Difference:  ")) +
                   SecondsText(Result.Offset, Locale) + QStringLiteral(" Seconds");
    if (!Result.Note.isEmpty())
        texts.Result += QStringLiteral("  (") + Result.Note + QLatin1Char(')');
    return texts;
}

}  // namespace orbelune
