// What the clock window shows for the calendar's date: sun and moon rows, day names,
// moon icons, hints, the tray hint and the moon-phase menu items.
#include "ClockForm.h"

#include "AstroExtras.h"
#include "Astronomy.h"
#include "Calendar.h"
#include "CalendarEvents.h"
#include "ClockState.h"
#include "ClockTexts.h"
#include "DateFormats.h"
#include "DateNavigation.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "Holidays.h"
#include "InfoForm.h"
#include "MoonComponent.h"
#include "MyUtil.h"
#include "PlatformSeams.h"
#include "Scramble.h"
#include "StoredLiterals.h"
#include "TrayIcon.h"
#include "WeatherState.h"
#include "WinColor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <cmath>

namespace orbelune {

namespace {

constexpr std::int32_t NightColor = 0xFF0000;
constexpr std::int32_t DayColor = 0;
constexpr std::int32_t SpecialDayColor = 255;
constexpr double FeetToMetres = 0.3048;
const QString ElectionDayText = UnscrambleLiteral(StoredLiteral::ElectionDayText);

void SetFontColor(QLabel* label, std::int32_t winColor) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorFromWinColor(winColor));
    label->setPalette(palette);
}

TDateTime Now() {
    return Platform().Clock->Now();
}

TZoneAnswer ZoneAnswerAt(TDateTime instant) {
    const TTimeZoneState zone = TimeZoneAt(instant);
    return {zone.UTCOffsetHours, FromEngineText(zone.TimeZoneName)};
}

QString ZoneText(const TTimeZoneState& zone) {
    return Settings.UseLocalTime ? FromEngineText(zone.TimeZoneName) : GMTCaption;
}

}  // namespace

void TForm1::UpdateDisplays() {
    const TDateTime t = Now();
    const TDateTime d = std::trunc(Calendar1->CalendarDate());
    int year = 0, month = 0, day = 0;
    DecodeDate(d, year, month, day);
    const TDateTime dayAtNow = JoinDateAndTime(d, t);

    Moon2->SetDate(dayAtNow);
    MonthComboBox->setCurrentIndex(month - 1);
    const int yearIndex = YearComboBox->findText(QString::number(year));
    YearComboBox->setCurrentIndex(yearIndex);

    const TTimeZoneState zone = TimeZoneAt(dayAtNow);
    // The altitude is kept in feet; the sunrise routine takes metres.
    const long double rise = SunRiseSetUT(day, month, year, Settings.Latitude, Settings.Longitude,
                                          Settings.Altitude * FeetToMetres, true);
    const long double set = SunRiseSetUT(day, month, year, Settings.Latitude, Settings.Longitude,
                                         Settings.Altitude * FeetToMetres, false);
    ShowSunTimes(d, rise, set);

    if (InfoForm != nullptr) InfoForm->UpdateInfoForm();
    SetMoonIcons(d);

    bool moonKnown = false, moonUp = false;
    ShowMoonEvents(moonKnown, moonUp);

    const double hoursNow = HoursOfDay(t);
    const bool sunUp = IsDaytimeAt(rise, set, zone.UTCOffsetHours, hoursNow);
    for (QLabel* label : {SunriseLabel, SunsetLabel})
        SetFontColor(label, sunUp ? DayColor : NightColor);
    for (QLabel* label : {DayInfoLabel1, DayInfoLabel2})
        SetFontColor(label, !moonKnown || moonUp ? DayColor : NightColor);

    if (InfoForm != nullptr) InfoForm->ShowSunMoonPosition(dayAtNow);
    ShowHints(d, dayAtNow, zone, sunUp, moonKnown, moonUp);
    UpdateDayInfoLabels(d);
}

void TForm1::ShowSunTimes(TDateTime Day, long double Rise, long double Set) {
    SunriseLabel->clear();
    SunsetLabel->clear();
    const TSunDisplay sun = SunDisplay(Day, Rise, Set, Settings.UseLocalTime,
                                       Settings.UseMilitaryTime, DateFormats.ShortYY, ZoneAnswerAt);
    SunriseLabel->setText(sun.SunriseLabel);
    SunsetLabel->setText(sun.SunsetLabel);
    DisplayState.SunriseText = sun.SunriseText;
    DisplayState.SunriseZone = sun.SunriseZone;
    DisplayState.SunsetText = sun.SunsetText;
    DisplayState.SunsetZone = sun.SunsetZone;
}

void TForm1::ShowMoonEvents(bool& MoonKnown, bool& MoonUp) {
    DayInfoLabel1->clear();
    DayInfoLabel2->clear();
    MoonKnown = false;
    MoonUp = false;
    if (InfoForm == nullptr) return;
    const TMoonDay& day = InfoForm->DayMoon;
    if (day.Count == 0) return;
    const int count = std::min(day.Count, 2);
    const std::array<TMoonRiseSetEvent, 2>& events = day.Events;
    QLabel* labels[] = {DayInfoLabel1, DayInfoLabel2};
    if (events[0].DaySeconds < 0) {
        // Up or down all day there is no event to miss: the day's one text says it.
        DayInfoLabel1->setText(events[0].Text);
    } else {
        for (int i = 0; i < 2; ++i) {
            if (i < count && events[i].DaySeconds >= 0) {
                labels[i]->setText(
                    MoonEventText(events[i].Rise, events[i].DaySeconds, Settings.UseMilitaryTime));
            } else {
                const bool otherIsRise = events[i == 0 ? 1 : 0].Rise;
                labels[i]->setText(otherIsRise ? QStringLiteral("No Moonset")
                                               : QStringLiteral("No Moonrise"));
            }
        }
    }
    MoonKnown = true;
    MoonUp = events[0].MoonUp;
}

void TForm1::ShowHints(TDateTime Day, TDateTime DayAtNow, const TTimeZoneState& Zone, bool SunUp,
                       bool MoonKnown, bool MoonUp) {
    double sunAltitude = 0, sunAzimuth = 0, moonAltitude = 0, moonAzimuth = 0;
    bool sunKnown = false, moonPositionKnown = false;
    QString sunCompass, moonCompass;
    if (InfoForm != nullptr) {
        sunKnown = InfoForm->CalcSunMoonPosition(sunAltitude, sunAzimuth, true, true, DayAtNow);
        if (sunKnown) sunCompass = CompassPosition(sunAzimuth);
        moonPositionKnown =
            InfoForm->CalcSunMoonPosition(moonAltitude, moonAzimuth, false, true, DayAtNow);
        if (moonPositionKnown) moonCompass = CompassPosition(moonAzimuth);
    }
    const QString place = SettingsCopies.PlaceName;
    const QString zoneText = ZoneText(Zone);
    const QString sunLine =
        BodyStateLine(QStringLiteral("SUN"), SunUp, sunKnown, sunAltitude, sunCompass);
    Panel5->setToolTip(sunLine + QLatin1Char('\n') + place + QLatin1Char('\n') + zoneText +
                       QStringLiteral("\nClick for Sun Info"));
    const QString moonLine = MoonKnown ? BodyStateLine(QStringLiteral("MOON"), MoonUp,
                                                       moonPositionKnown, moonAltitude, moonCompass)
                                       : QString();
    const QString moonHint = (MoonKnown ? moonLine + QLatin1Char('\n') : QString()) + place +
                             QLatin1Char('\n') + zoneText + QStringLiteral("\nClick for Moon Info");
    Moon2->setToolTip(moonHint);
    Panel4->setToolTip(moonHint);
    Panel2->setToolTip(DateRowHint(std::trunc(Now()), DateFormats.Short));

    QString text;
    if (!WeatherState.TemperatureText.isEmpty() && !WeatherState.WeatherText.isEmpty()) {
        text = WeatherState.TemperatureText + QLatin1Char('\n') + WeatherState.WeatherText;
    } else {
        QStringList lines = {FormatCalendarDate(QStringLiteral("mmm d, yyyy"), Day),
                             SunriseLabel->text(), SunsetLabel->text()};
        if (MoonKnown) {
            lines << (MoonUp ? QStringLiteral("MOON is UP") : QStringLiteral("MOON is SET"));
            if (moonPositionKnown) lines.last() += QStringLiteral(" (") + moonCompass + u')';
        }
        // A day without a sunrise or sunset has one sun line only.
        lines.removeAll(QString());
        text = lines.join(QLatin1Char('\n'));
    }
    if (!WeatherState.TemperatureProblem.isEmpty())
        text += QLatin1Char('\n') + TemperatureProblemLine(!WeatherState.TemperatureText.isEmpty(),
                                                           WeatherState.TemperatureProblem);
    TrayIcon->SetHint(Settings.ShowHints ? text : QString());
    const QString caption = QString(text).replace(QLatin1Char('\n'), QStringLiteral("  "));
    setWindowTitle(caption);
    SetApplicationTitle(caption);
}

void TForm1::UpdateDayInfoLabels(TDateTime Day) {
    const std::array<QString, 2> names =
        DayNames(Day, Events->EquinoxSolsticeName(Day), Events->MoonPhaseName(Day));
    bool special = !names[0].isEmpty();
    if (special) {
        DayInfoLabel1->setText(names[0]);
        DayInfoLabel2->setText(names[1].isEmpty() ? FormatCalendarDate(QStringLiteral("mmm d"), Day)
                                                  : names[1]);
    }
    for (QLabel* label : {DayInfoLabel1, DayInfoLabel2}) {
        QFont font = label->font();
        font.setBold(false);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        label->setFont(font);
    }
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(Day, year, month, dayOfMonth);
    if (std::trunc(ElectionDay(year)) == std::trunc(Day)) {
        DayInfoLabel2->setText(ElectionDayText);
    } else {
        const TEclipseDay eclipse = Events->Eclipse(Day);
        if (!eclipse.Name.isEmpty()) {
            DayInfoLabel1->setText(eclipse.Name.toUpper().contains(QLatin1String("LUNAR"))
                                       ? QStringLiteral("Lunar Eclipse")
                                       : QStringLiteral("Solar Eclipse"));
            const long double hours = (eclipse.Time - std::trunc(eclipse.Time)) * 24.0L;
            DayInfoLabel2->setText(FromEngineText(
                FormatClockHours(false, Settings.UseMilitaryTime, std::fabs(hours), 0)));
            special = true;
        }
    }
    if (special)
        for (QLabel* label : {DayInfoLabel1, DayInfoLabel2}) SetFontColor(label, SpecialDayColor);
    DisplayState.DayEventShown = special;
    if (InfoForm != nullptr)
        InfoForm->ShowDayEvent(Day, special ? DayInfoLabel1->text() : QString());
}

void TForm1::SetMoonIcons(TDateTime Day) {
    const TDateTime t = Now();
    const TDateTime local = JoinDateAndTime(Day, t);
    const TDayTimeRec rec =
        LocalMomentToUT(local, static_cast<double>(TimeZoneAt(local).UTCOffsetHours));
    const double shade = MoonIconShade(rec);
    const int index = MoonIconIndex(shade, Events->MoonPhaseName(Day));
    const QList<QImage>& images = Settings.SouthernHemisphere ? SouthImageList : NorthImageList;
    if (index < 0 || index >= images.size()) return;
    qApp->setWindowIcon(QIcon(QPixmap::fromImage(images[index])));
    const char tray = Settings.TrayType;
    if (tray == 'A' || tray == 'M' || tray == 'T') TrayIcon->SetImages(images);
    if (tray == 'M' || WeatherState.TemperatureText.isEmpty() || ClockState.FirstClockUpdate)
        TrayIcon->SetImageIndex(index);
}

void TForm1::UpdateMenuItems(bool Southern) {
    const TMonthPhaseTable& phases = Events->MonthPhaseTable();
    for (int n = 1; n <= 5; ++n) {
        QAction* items[] = {GoToMoonPhase[n - 1], MoonMenu[n - 1], MenuMoon[n - 1]};
        const TDayNumber day = phases[static_cast<size_t>(n - 1)].DayNumber;
        const bool valid = day >= 0;
        for (QAction* item : items) {
            item->setVisible(valid);
            if (!valid) continue;
            item->setText(Events->MoonPhaseName(DayNumberToDateTime(day)));
            int image = -1;
            switch (Events->IconNum(n, Southern)) {
                case 0:
                    image = 4;
                    break;
                case 6:
                    image = 5;
                    break;
                case 12:
                    image = 6;
                    break;
                case 18:
                    image = 7;
                    break;
                default:
                    break;
            }
            item->setIcon(image >= 0 && image < ImageList2.size()
                              ? QIcon(QPixmap::fromImage(ImageList2[image]))
                              : QIcon());
        }
    }
}

void TForm1::ShowMoonOf(TDateTime T, bool Southern) {
    Moon2->SetRotation(Southern ? TRotate::rot_180 : TRotate::rot_none);
    UpdateMenuItems(Southern);
    SetMoonIcons(T);
}

}  // namespace orbelune
