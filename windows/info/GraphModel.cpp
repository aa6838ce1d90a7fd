#include "GraphModel.h"

#include "AstroExtras.h"
#include "Astronomy.h"
#include "DateHelpers.h"
#include "DateTimeRtl.h"
#include "EngineText.h"
#include "Holidays.h"
#include "MoonTabTexts.h"
#include "MyUtil.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>

namespace orbelune {

namespace {

constexpr int T = GraphTop;
constexpr int H = GraphHeight;
constexpr int B = GraphBottom;

// What SunRiseSetUT says of one event of one day.
struct TSunEvent {
    bool Happens = false;
    bool UpAllDay = false;  // without the event: the sun stays up (else down)
    long double UT = 0;     // hours, when it happens
};

TSunEvent ReadSunRiseSet(long double Hours) {
    if (Hours == SunNeverSets) return {false, true, 0};
    if (Hours == SunNeverRises) return {false, false, 0};
    return {true, false, Hours};
}

// The scale value of a day without the event. A sun up all day puts the sunrise at the
// bottom and the sunset at the top, so no night shows; a sun down all day puts both at
// mid-height, so the night above and below them joins the nights of the days around.
int NoEventValue(bool UpAllDay, bool Rising) {
    if (UpAllDay) return Rising ? 0 : H;
    return H / 2;
}

int RoundToInt(long double X) {
    return static_cast<int>(std::nearbyint(X));
}

// UT hours of an event moved into the local day.
long double LocalHours(long double UT, long double Offset) {
    long double local = UT > 0 ? UT + Offset : UT - Offset;
    if (local >= -0.4L && local <= 0) return 0;
    if (local < 0)
        local += 24;
    else if (local > 24)
        local -= 24;
    return local;
}

// Whether the sun stays up all day at a pole on Day: between the March and the
// September equinox at the north pole, outside them at the south pole.
class TPoleSeasons {
public:
    TPoleSeasons(int Year, bool North) : North_(North) {
        const auto local = [](TDateTime UT) {
            return AddSignedHours(static_cast<double>(GetUTCOffsetByWindow(UT)), UT);
        };
        March_ = local(EquinoxSolsticeDate(Year, "MAR"));
        September_ = local(EquinoxSolsticeDate(Year, "SEP"));
    }
    bool SunUp(TDateTime Day) const {
        const TDateTime noon = AddSignedHours(12, Day);
        const bool summer = noon >= March_ && noon < September_;
        return summer == North_;
    }

private:
    bool North_;
    TDateTime March_ = 0, September_ = 0;
};

QString UpOrDownText(bool UpAllDay) {
    return UpAllDay ? QStringLiteral("Sun up all day") : QStringLiteral("Sun down all day");
}

// The clock times and bearings of both curves, and the labels of the graph date's day.
void ComputeDays(const TGraphRequest& Request, TGraph& Graph) {
    const TPlace place{Request.Latitude, Request.Longitude, Request.AltitudeFeet};
    const bool atPole = std::fabs(Request.Latitude) >= 90;
    std::optional<TPoleSeasons> pole;
    if (atPole) pole.emplace(Graph.Year, Request.Latitude > 0);
    const int labelDay =
        static_cast<int>(std::trunc(Request.GraphDate) - std::trunc(Graph.FirstDay)) + 1;
    const long double elevation = Request.AltitudeFeet * 0.3048L;

    for (QPolygon* list :
         {&Graph.RiseTimes, &Graph.SetTimes, &Graph.RiseBearings, &Graph.SetBearings})
        list->resize(Graph.Days);

    TGraphLabels& labels = Graph.Labels;
    std::array<TSunEvent, 2> labelEvents;
    for (const bool rising : {true, false}) {
        QPolygon& times = rising ? Graph.RiseTimes : Graph.SetTimes;
        QPolygon& bearings = rising ? Graph.RiseBearings : Graph.SetBearings;
        for (int n = 1; n <= Graph.Days; ++n) {
            const TDateTime day = Graph.FirstDay + (n - 1);
            int year = 0, month = 0, dayOfMonth = 0;
            DecodeDate(day, year, month, dayOfMonth);
            const TSunEvent event =
                atPole ? TSunEvent{false, pole->SunUp(day), 0}
                       : ReadSunRiseSet(SunRiseSetUT(dayOfMonth, month, year, Request.Latitude,
                                                     Request.Longitude, elevation, rising));
            int s = NoEventValue(event.UpAllDay, rising);
            int p = s;
            long double local = 0;
            double azimuth = 0;
            QString zoneName;
            if (event.Happens) {
                const TDateTime moment = AddSignedHours(static_cast<double>(event.UT), day);
                const TTimeZoneState zone = TimeZoneAt(moment);
                const long double offset = Request.DaylightSaving
                                               ? zone.UTCOffsetHours
                                               : zone.BaseUTCOffsetHours + zone.StandardBiasHours;
                local = LocalHours(event.UT, offset);
                zoneName = FromEngineText(Request.DaylightSaving ? zone.TimeZoneName
                                                                 : zone.StandardZoneName);
                s = (!rising && local < 11) ? H : RoundToInt(H * local / 24);
                azimuth = SunMoonPosition(true, moment, place).Azimuth;
                p = RoundToInt(H * static_cast<long double>(azimuth) / 360);
            }
            times[n - 1] = QPoint(Graph.Left + n, B - s);
            bearings[n - 1] = QPoint(Graph.Left + n, B - p);
            if (n != labelDay) continue;

            labelEvents[rising ? 0 : 1] = event;
            QString& first = rising ? labels.SunRiseLab1 : labels.SunSetLab1;
            QString& second = rising ? labels.SunRiseLab2 : labels.SunSetLab2;
            QString& third = rising ? labels.SunRiseLab3 : labels.SunSetLab3;
            if (event.Happens) {
                first = FromEngineText(FormatClockHours(false, Request.UseMilitaryTime, local, 0)) +
                        (rising ? QStringLiteral(" Sunrise") : QStringLiteral(" Sunset"));
                second = zoneName;
                third = (rising ? QStringLiteral("Sun Rises at:  ")
                                : QStringLiteral("Sun Sets at:  ")) +
                        BearingText(azimuth, 1);
            } else if (rising || labelEvents[0].Happens) {
                // One "all day" text says it for the day; a sunset missing after a
                // sunrise says it on its own line.
                first = UpOrDownText(event.UpAllDay);
            }
        }
    }
    if (labelEvents[0].Happens && labelEvents[1].Happens)
        labels.DayHoursLab =
            QStringLiteral("Day is ") +
            FormatDateTimeSafe(
                QStringLiteral("hh:mm"),
                static_cast<double>(DayLengthHours(labelEvents[0].UT, labelEvents[1].UT) / 24)) +
            QStringLiteral(" Hours Long");
}

void AddFrame(TGraph& Graph) {
    const int l = Graph.Left, r = Graph.Right;
    Graph.Frame = {QLine(l, T, l, GraphFooterBottom), QLine(r - 1, T, r - 1, GraphFooterBottom)};
    for (const int y : {T, B, B + GraphMonthStrip, GraphFooterBottom})
        Graph.Frame.emplace_back(l, y, r, y);
}

// Every pixel 4-connected to Seed through pixels that are not Border's black ones, as
// a flood fill up to a border colour reaches them; marked in Filled.
void FloodFill(const QImage& Border, std::vector<char>& Filled, QPoint Seed) {
    const int w = Border.width(), h = Border.height();
    const auto open = [&](int x, int y) {
        return Border.constScanLine(y)[x] >= 128 && !Filled[static_cast<size_t>(y * w + x)];
    };
    std::vector<QPoint> stack{Seed};
    while (!stack.empty()) {
        const QPoint at = stack.back();
        stack.pop_back();
        if (at.x() < 0 || at.x() >= w || at.y() < 0 || at.y() >= h || !open(at.x(), at.y()))
            continue;
        int left = at.x(), right = at.x();
        while (left > 0 && open(left - 1, at.y())) --left;
        while (right < w - 1 && open(right + 1, at.y())) ++right;
        for (int x = left; x <= right; ++x) Filled[static_cast<size_t>(at.y() * w + x)] = 1;
        for (const int y : {at.y() - 1, at.y() + 1}) {
            if (y < 0 || y >= h) continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool o = open(x, y);
                if (o && !inRun) stack.emplace_back(x, y);
                inRun = o;
            }
        }
    }
}

// Whether (X, Y) lies above or below both curves in its column, not on or between them.
bool OutsideDayBand(const TGraph& Graph, QPoint At) {
    const int n = At.x() - Graph.Left;
    if (n < 1 || n > Graph.Days) return false;
    const int a = Graph.RiseCurve()[n - 1].y(), b = Graph.SetCurve()[n - 1].y();
    return At.y() < std::min(a, b) - 1 || At.y() > std::max(a, b) + 1;
}

// The night: filled from the four corners of the plot and the middle of its top and
// bottom edges, up to the frame and the curves as they are drawn. A seed that falls
// on the day side of the curves is skipped: where polar days bring the curves to the
// edges (the southern summer at the year's ends), the corners lie in daylight, and the
// middle of the year holds the night.
void AddNight(TGraph& Graph) {
    QImage border(GraphSize, QImage::Format_Grayscale8);
    border.fill(255);
    {
        QPainter painter(&border);
        painter.setPen(QPen(Qt::black, 1));
        for (const QLine& line : Graph.Frame) painter.drawLine(line);
        painter.setPen(GraphCurvePen());
        painter.drawPolyline(Graph.RiseCurve());
        painter.drawPolyline(Graph.SetCurve());
    }
    const int l = Graph.Left, r = Graph.Right, middle = (l + r) / 2;
    const std::array<QPoint, 6> seeds = {QPoint(l + 2, T + 2),   QPoint(l + 2, B - 2),
                                         QPoint(r - 2, T + 2),   QPoint(r - 2, B - 2),
                                         QPoint(middle, T + 50), QPoint(middle, B - 50)};
    std::vector<char> filled(static_cast<size_t>(border.width() * border.height()), 0);
    for (const QPoint& seed : seeds)
        if (OutsideDayBand(Graph, seed)) FloodFill(border, filled, seed);

    std::vector<QRect> runs;
    for (int y = 0; y < border.height(); ++y) {
        const char* row = filled.data() + static_cast<size_t>(y * border.width());
        for (int x = 0; x < border.width();) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < border.width() && row[x]) ++x;
            runs.emplace_back(start, y, x - start, 1);
        }
    }
    Graph.Night.setRects(runs.data(), static_cast<int>(runs.size()));
}

void AddDateLines(const TGraphRequest& Request, TGraph& Graph) {
    if (!Request.ShowDateLines) return;
    const int n = static_cast<int>(std::trunc(Request.GraphDate) - std::trunc(Graph.FirstDay)) + 1;
    const int x = Graph.Left + n;
    const int l = Graph.Left;
    int y = 0;
    if (Graph.PositionMode) {
        const TPlace place{Request.Latitude, Request.Longitude, Request.AltitudeFeet};
        const double azimuth = SunMoonPosition(true, LocalToUTC(Request.Now), place).Azimuth;
        y = B - RoundToInt(H * static_cast<long double>(azimuth) / 360);
    } else {
        const double timeOfDay = std::fabs(Request.Now - std::trunc(Request.Now));
        y = B - RoundToInt(timeOfDay * H);
    }
    Graph.DateLines = {QLine(x, T - 5, x, B + 5), QLine(l - 5, y, x, y),
                       QLine(x - 5, y - 5, x + 5, y + 5), QLine(x - 5, y + 5, x + 5, y - 5)};
    if (n < 1 || n > Graph.Days) return;
    for (const QPolygon* curve : {&Graph.RiseCurve(), &Graph.SetCurve()}) {
        const QPoint point = (*curve)[n - 1];
        Graph.EventLines.emplace_back(l - 5, point.y(), point.x(), point.y());
    }
}

QString ScaleText(bool PositionMode, bool UseMilitaryTime, int Step) {
    if (PositionMode) {
        const int degrees = 360 - 15 * Step;
        QString text = QString::number(degrees) + QChar(0x00B0);
        if (degrees % 45 == 0) text += QStringLiteral(" (") + CompassPosition(degrees) + u')';
        return text;
    }
    if (Step == 0) return UseMilitaryTime ? QStringLiteral("24:00") : QStringLiteral("12:00 AM");
    const TDateTime time = (24 - Step) / 24.0;
    return FormatDateTimeSafe(
        UseMilitaryTime ? QStringLiteral("hh:mm") : QStringLiteral("hh:mm AM/PM"), time);
}

void AddScale(const TGraphRequest& Request, TGraph& Graph) {
    for (int i = 0; i <= 24; ++i) {
        const int y = T + 20 * i;
        Graph.ScaleTexts.push_back(
            {QPoint(0, 20 * i + 3), ScaleText(Graph.PositionMode, Request.UseMilitaryTime, i)});
        const int start = Graph.Left - (Graph.PositionMode ? 8 : 10);
        Graph.GridLines.push_back(
            {QLine(start, y, Graph.Right, y), Graph.PositionMode && (i == 6 || i == 18)});
    }
}

void AddMonths(TGraph& Graph) {
    for (int m = 1; m <= 12; ++m) {
        const TDateTime first = EncodeDate(Graph.Year, m, 1);
        const int d = static_cast<int>(std::trunc(first) - std::trunc(Graph.FirstDay)) + 1;
        Graph.MonthNames.push_back({QPoint(Graph.Left + d + 6, T + B - 7),
                                    FormatDateTimeSafe(QStringLiteral("mmm"), first)});
        if (m > 1) Graph.MonthLines.emplace_back(Graph.Left + d, T, Graph.Left + d, B + 20);
    }
}

void AddFooter(const TGraphRequest& Request, TGraph& Graph) {
    const int width = std::max(Request.LatitudeText.size(), Request.LongitudeText.size());
    const QString latitude = Request.LatitudeText.leftJustified(width, u' ');
    const QString longitude = Request.LongitudeText.leftJustified(width, u' ');
    const int x = Graph.Left + 6;
    Graph.Footer = {
        {QPoint(x, T + B + 13), Graph.Title + QStringLiteral("   ") + Request.PlaceName},
        {QPoint(x, T + B + 33), latitude + QStringLiteral("        Altitude: ") +
                                    FromEngineText(FormatRoundedThousands(Request.AltitudeFeet)) +
                                    QStringLiteral(" Feet")},
        {QPoint(x, T + B + 53),
         longitude + QString(24, u' ') +
             FromEngineText(FormatRoundedThousands(Request.AltitudeFeet * 0.3048)) +
             QStringLiteral(" Meters")}};
}

}  // namespace

int GraphLeft(bool UseMilitaryTime, bool PositionMode) {
    return UseMilitaryTime && !PositionMode ? 40 : 60;
}

QPen GraphCurvePen() {
    return QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

TGraph BuildGraph(const TGraphRequest& Request) {
    TGraph graph;
    int month = 0, day = 0;
    DecodeDate(Request.GraphDate, graph.Year, month, day);
    graph.FirstDay = NewYearsDay(graph.Year);
    graph.Days = IsLeapYear(graph.Year) ? 366 : 365;
    graph.PositionMode = Request.PositionMode;
    graph.Left = GraphLeft(Request.UseMilitaryTime, Request.PositionMode);
    graph.Right = graph.Left + 366;
    graph.Title =
        QLatin1Char(' ') + QString::number(graph.Year) + QStringLiteral("  Sunrise and Sunset") +
        (Request.PositionMode ? QStringLiteral(" (position) ") : QStringLiteral(" (local time) "));
    ComputeDays(Request, graph);
    AddFrame(graph);
    AddNight(graph);
    AddDateLines(Request, graph);
    AddScale(Request, graph);
    AddMonths(graph);
    AddFooter(Request, graph);
    return graph;
}

std::optional<TDateTime> GraphClickDate(const TGraph& Graph, int X) {
    if (X <= Graph.Left || X > Graph.Left + Graph.Days) return std::nullopt;
    return std::trunc(Graph.FirstDay - 1) + (X - Graph.Left);
}

QString GraphSunGroupCaption(TDateTime Date) {
    return QLatin1Char(' ') + FormatDateTimeSafe(QStringLiteral("ddd  mmmm d, yyyy"), Date) +
           QLatin1Char(' ');
}

}  // namespace orbelune
