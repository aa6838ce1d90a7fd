#include "StEclpse.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "StAstro.h"

namespace orbelune {

namespace {

constexpr double DegToRad = 0.017453292519943295769;

double SinD(double X) {
    return std::sin(X * DegToRad);
}
double CosD(double X) {
    return std::cos(X * DegToRad);
}

double Reduce360(double X) {
    const double r = std::fmod(X, 360.0);
    return r < 0.0 ? r + 360.0 : r;
}

// Mean new moon of lunation k (k = 0: 2000-01-06), the linear part only.
double MeanLunationJD(double K) {
    return 2451550.09765 + 29.530588853 * K;
}

constexpr double MinutesPerDay = 1440.0;
// Bound of the lunation loops: a year spans about 25 half-lunations.
constexpr int MaxHalfLunations = 64;

// The run of epochs, scanning from the earliest, in which the axis meets the Earth
// (x^2 + y^2 < 1): first and last index, or nothing.
template <size_t N>
std::optional<std::pair<int, int>> AxisRun(
    const std::array<std::optional<TShadowEpoch>, N>& Epochs) {
    constexpr int count = static_cast<int>(N);
    auto meets = [&](int i) {
        const auto& e = Epochs[static_cast<size_t>(i)];
        return e && e->X * e->X + e->Y * e->Y < 1.0;
    };
    int first = 0;
    while (first < count && !meets(first)) ++first;
    if (first == count) return std::nullopt;
    int last = first;
    while (last + 1 < count && meets(last + 1)) ++last;
    return std::make_pair(first, last);
}

// The instant of an epoch in days, for the interpolation's abscissae.
double EpochDays(const TDayTimeRec& Epoch) {
    return static_cast<double>(Epoch.D) + Epoch.T / 86400.0;
}

}  // namespace

std::optional<TShadowEpoch> TStEclipses::InterpolatedShadow(
    const std::array<std::optional<TShadowEpoch>, InterpolationNodes.size()>& Nodes,
    const std::array<TDayTimeRec, EpochCount>& At, size_t Index) {
    for (size_t n = 0; n < Nodes.size(); ++n)
        if (InterpolationNodes[n] == Index) return Nodes[n];
    // Lagrange's polynomial through the nodes, in days from the middle epoch; the hour
    // angle is made continuous across 360 degrees first.
    const double origin = EpochDays(At[EpochCount / 2]);
    const double t = EpochDays(At[Index]) - origin;
    std::array<double, InterpolationNodes.size()> ti{}, gha{};
    for (size_t n = 0; n < Nodes.size(); ++n) {
        ti[n] = EpochDays(At[InterpolationNodes[n]]) - origin;
        gha[n] = Nodes[n]->GHA;
        if (n > 0) gha[n] += 360.0 * std::nearbyint((gha[n - 1] - gha[n]) / 360.0);
    }
    TShadowEpoch e{};
    double hourAngle = 0.0;
    for (size_t j = 0; j < Nodes.size(); ++j) {
        double w = 1.0;
        for (size_t m = 0; m < Nodes.size(); ++m)
            if (m != j) w *= (t - ti[m]) / (ti[j] - ti[m]);
        const TShadowEpoch& node = *Nodes[j];
        e.X += w * node.X;
        e.Y += w * node.Y;
        e.Dec += w * node.Dec;
        e.L2 += w * node.L2;
        e.TanF2 += w * node.TanF2;
        hourAngle += w * gha[j];
    }
    e.GHA = std::fmod(std::fmod(hourAngle, 360.0) + 360.0, 360.0);
    e.Time = AstroJDToDateTime(static_cast<long double>(DayNumberToJD(At[Index].D)) +
                               At[Index].T / 86400.0L);
    return e;
}

const TEclipseRec* TStEclipses::EclipseAt(int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return &Items[static_cast<size_t>(Index)];
}

void TStEclipses::SearchYear(int32_t Year) {
    const double j0 = AstroJulianDate(Year, 1, 1, 0);
    const double j1 = AstroJulianDate(Year, 12, 31, 86399);
    // A true syzygy lies within a day of its mean one, so the lunations whose mean
    // instant falls within a day of the year hold all of its eclipses; those whose
    // greatest eclipse falls in a neighbouring year are left to that year.
    YearStart = j0;
    YearEnd = j1 + 1.0 / 86400.0;
    double k = std::trunc((static_cast<double>(Year) - 2000.0) * 12.3685 - 1.0);
    for (int i = 0; i < MaxHalfLunations && MeanLunationJD(k) < j0 - 1.0; ++i) k += 0.5;
    for (int i = 0; i < MaxHalfLunations && MeanLunationJD(k) < j1 + 1.0; ++i) {
        EclipseOfLunation(k);
        k += 0.5;
    }
}

double TStEclipses::EclipseCorrections(const Lunation& L, double MeanJDE, double& F1) {
    F1 = L.F - 0.02665 * SinD(L.Omega);
    const double a1 = 299.77 + 0.107408 * L.K - 0.009173 * L.T * L.T;
    const double m = L.M, mp = L.MPrime, e = L.E;
    return MeanJDE - (L.IsNew ? 0.4075 : 0.4065) * SinD(mp) +
           (L.IsNew ? 0.1721 : 0.1727) * e * SinD(m) + 0.0161 * SinD(2 * mp) -
           0.0097 * SinD(2 * F1) + 0.0073 * e * SinD(mp - m) - 0.0050 * e * SinD(mp + m) -
           0.0023 * SinD(mp - 2 * F1) + 0.0021 * e * SinD(2 * m) + 0.0012 * SinD(mp + 2 * F1) +
           0.0006 * e * SinD(2 * mp + m) - 0.0004 * SinD(3 * mp) - 0.0003 * e * SinD(m + 2 * F1) +
           0.0003 * SinD(a1) - 0.0002 * e * SinD(m - 2 * F1) - 0.0002 * e * SinD(2 * mp - m) -
           0.0002 * SinD(L.Omega);
}

void TStEclipses::EclipseOfLunation(double K) {
    Lunation L{};
    L.K = K;
    L.T = K / 1236.85;
    const double t = L.T, t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double meanJDE =
        2451550.09765 + 29.530588853 * K + 0.0001337 * t2 - 0.00000015 * t3 + 0.00000000073 * t4;
    L.M = Reduce360(2.5534 + 29.1053569 * K - 0.0000218 * t2 - 0.00000011 * t3);
    L.MPrime = Reduce360(201.5643 + 385.81693528 * K + 0.0107438 * t2 + 0.00001239 * t3 -
                         0.000000058 * t4);
    L.F = Reduce360(160.7108 + 390.67050274 * K - 0.0016341 * t2 - 0.00000227 * t3 +
                    0.000000011 * t4);
    L.Omega = Reduce360(124.7746 - 1.5637558 * K + 0.0020691 * t2 + 0.00000215 * t3);
    L.E = 1.0 - 0.002516 * t - 0.0000074 * t2;

    // Too far from a node for any eclipse.
    if (std::fabs(SinD(L.F)) > SinD(21.0)) return;

    const double absK = std::fabs(K);
    L.IsNew = absK - std::trunc(absK) <= 0.1;
    double f1 = 0;
    const double jde = EclipseCorrections(L, meanJDE, f1);
    // Dynamical to universal time by a parabola in the Julian Date.
    L.JD = jde - ((jde - 2382148.0) * (jde - 2382148.0) / 41048480.0 - 15.0) / 86400.0;
    if (L.JD < YearStart || L.JD >= YearEnd) return;

    const double m = L.M, mp = L.MPrime, e = L.E;
    const double p = 0.2070 * e * SinD(m) + 0.0024 * e * SinD(2 * m) - 0.0392 * SinD(mp) +
                     0.0116 * SinD(2 * mp) - 0.0073 * e * SinD(mp + m) + 0.0067 * e * SinD(mp - m) +
                     0.0118 * SinD(2 * f1);
    const double q = 5.2207 - 0.0048 * e * CosD(m) + 0.0020 * e * CosD(2 * m) - 0.3299 * CosD(mp) -
                     0.0060 * e * CosD(mp + m) + 0.0041 * e * CosD(mp - m);
    const double w = std::fabs(CosD(f1));
    L.Gamma = (p * CosD(f1) + q * SinD(f1)) * (1.0 - 0.0048 * w);
    L.U = 0.0059 + 0.0046 * e * CosD(m) - 0.0182 * CosD(mp) + 0.0004 * CosD(2 * mp) -
          0.0005 * CosD(m + mp);

    const double absGamma = std::fabs(L.Gamma);
    if (L.IsNew) {
        if (absGamma <= std::fabs(L.U) + 0.9972)
            AddCentralSolar(L);
        else if (absGamma < L.U + 1.5433)
            AddPartialSolar(L);
        return;
    }
    const double umbral = (1.0128 - L.U - absGamma) / 0.5450;
    const double penumbral = (1.5573 + L.U - absGamma) / 0.5450;
    if (umbral >= 1.0)
        AddTotalLunar(L);
    else if (umbral > 0.0)
        AddPartialLunar(L);
    else if (umbral < 0.0 && penumbral > 0.0)
        AddPenumbralLunar(L);
}

TEclipseRec TStEclipses::LunarRecord(const Lunation& L, uint8_t Kind, double Magnitude) const {
    TEclipseRec r;
    r.EType = Kind;
    r.Magnitude = Magnitude;
    r.Hemisphere = 0;
    const double n = 0.5458 + 0.0400 * CosD(L.MPrime);
    const double g2 = L.Gamma * L.Gamma;
    const double sp = 60.0 / n * std::sqrt((1.5573 + L.U) * (1.5573 + L.U) - g2) / MinutesPerDay;
    r.MidEclipse = AstroJDToDateTime(L.JD);
    r.PenumbralStart = AstroJDToDateTime(L.JD - sp);
    r.PenumbralEnd = AstroJDToDateTime(L.JD + sp);
    if (Kind != EclipsePenumbralLunar) {
        const double sq =
            60.0 / n * std::sqrt((1.0128 - L.U) * (1.0128 - L.U) - g2) / MinutesPerDay;
        r.UmbralStart = AstroJDToDateTime(L.JD - sq);
        r.UmbralEnd = AstroJDToDateTime(L.JD + sq);
    }
    if (Kind == EclipseTotalLunar) {
        const double st =
            60.0 / n * std::sqrt((0.4678 - L.U) * (0.4678 - L.U) - g2) / MinutesPerDay;
        r.TotalStart = AstroJDToDateTime(L.JD - st);
        r.TotalEnd = AstroJDToDateTime(L.JD + st);
    }
    return r;
}

void TStEclipses::AddTotalLunar(const Lunation& L) {
    Items.push_back(
        LunarRecord(L, EclipseTotalLunar, (1.0128 - L.U - std::fabs(L.Gamma)) / 0.5450));
}

void TStEclipses::AddPartialLunar(const Lunation& L) {
    Items.push_back(
        LunarRecord(L, EclipsePartialLunar, (1.0128 - L.U - std::fabs(L.Gamma)) / 0.5450));
}

void TStEclipses::AddPenumbralLunar(const Lunation& L) {
    Items.push_back(
        LunarRecord(L, EclipsePenumbralLunar, (1.5573 + L.U - std::fabs(L.Gamma)) / 0.5450));
}

void TStEclipses::AddPartialSolar(const Lunation& L) {
    TEclipseRec r;
    r.EType = EclipsePartialSolar;
    r.Magnitude = (1.5433 + L.U - std::fabs(L.Gamma)) / (0.5461 + 2.0 * L.U);
    r.Hemisphere = L.Gamma > 0.0 ? 1 : 2;
    r.MidEclipse = AstroJDToDateTime(L.JD);
    Items.push_back(std::move(r));
}

void TStEclipses::AddCentralSolar(const Lunation& L) {
    TEclipseRec r;
    if (L.U < 0.0) {
        r.EType = EclipseTotalSolar;
    } else if (L.U > 0.0047) {
        r.EType = EclipseAnnularSolar;
    } else {
        const double w = 0.00464 * std::sqrt(std::fabs(1.0 - L.Gamma * L.Gamma));
        r.EType = L.U < w ? EclipseAnnularTotalSolar : EclipseAnnularSolar;
    }
    r.Magnitude = -1.0;
    r.Hemisphere = L.Gamma > 0.0 ? 1 : 2;
    r.MidEclipse = AstroJDToDateTime(L.JD);

    CentralLinePoints(L.JD);
    // The path takes the epochs strictly inside the run; the run's ends serve as
    // neighbours for the shadow's speed.
    if (const auto run = AxisRun(Epochs); run && run->second - run->first + 1 >= 4)
        r.Path = BuildCentralPath(run->first + 1, run->second - 1);
    Items.push_back(std::move(r));
}

void TStEclipses::CentralLinePoints(double JD) {
    std::array<TDayTimeRec, EpochCount> at{};
    for (int c = 0; c < EpochCount; ++c)
        at[static_cast<size_t>(c)] = TenMinuteEpoch(JD + (c - EpochCount / 2) / 144.0);
    const auto exact = [&at](size_t c) -> std::optional<TShadowEpoch> {
        return at[c].D < 0 ? std::nullopt : ShadowAtEpoch(at[c]);
    };

    // The shadow's elements change smoothly over the four hours (the Moon's shortest
    // periods are days): every sixth epoch is computed, the others follow from the
    // polynomial through those five, within a metre of their own values on the ground.
    // Delta-T steps at the turn of a year, so a run of epochs across it is computed
    // epoch by epoch, and so is one that reaches beyond the engine's dates.
    int firstYear = 0, lastYear = 0, day = 0, month = 0;
    DayNumberToDMY(at.front().D, day, month, firstYear);
    DayNumberToDMY(at.back().D, day, month, lastYear);
    std::array<std::optional<TShadowEpoch>, InterpolationNodes.size()> nodes;
    bool interpolate = at.front().D >= 0 && at.back().D >= 0 && firstYear == lastYear;
    for (size_t n = 0; interpolate && n < nodes.size(); ++n) {
        nodes[n] = exact(InterpolationNodes[n]);
        interpolate = nodes[n].has_value();
    }
    if (!interpolate) {
        for (size_t c = 0; c < Epochs.size(); ++c) Epochs[c] = exact(c);
        return;
    }
    for (size_t c = 0; c < Epochs.size(); ++c) Epochs[c] = InterpolatedShadow(nodes, at, c);
}

std::vector<TEclipsePathPoint> TStEclipses::BuildCentralPath(int First, int Last) const {
    std::vector<TEclipsePathPoint> path;
    for (int i = First; i <= Last; ++i) {
        const TShadowEpoch& e = *Epochs[static_cast<size_t>(i)];
        const TShadowEpoch& before = *Epochs[static_cast<size_t>(i - 1)];
        const TShadowEpoch& after = *Epochs[static_cast<size_t>(i + 1)];
        const TAxisPoint point = AxisSurfacePoint(e);
        // Whole seconds; a central phase never approaches an hour.
        const double minutes = std::min(CentralDurationMinutes(before, e, after, point), 60.0);
        const long seconds = std::lround(minutes * 60.0);
        TEclipsePathPoint p{};
        p.Time = e.Time;
        p.Latitude = point.Latitude;
        p.Longitude = point.Longitude;
        p.Duration = static_cast<double>(seconds / 60) + static_cast<double>(seconds % 60) / 100.0;
        path.push_back(p);
    }
    return path;
}

}  // namespace orbelune
