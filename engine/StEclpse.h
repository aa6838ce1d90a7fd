// The solar and lunar eclipses of a civil year, with the contact times of lunar
// eclipses and points of the central line of central solar eclipses.
//
// Eclipses are found lunation by lunation with J. Meeus' method (Astronomical
// Algorithms, 2nd ed., ch. 54): greatest eclipse within a few minutes, kinds right but
// for cases within a few thousandths of an Earth radius of a limit. Central lines come
// from the Besselian geometry of EclipseShadow.h at 25 epochs ten minutes apart: the
// shadow is computed at every sixth epoch and interpolated between (Lagrange, degree 4),
// within a metre of the computed points on the ground. All times are TDateTime, UT.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "EclipseShadow.h"
#include "StDate.h"

namespace orbelune {

// Eclipse kinds (TEclipseRec::EType).
enum : uint8_t {
    EclipsePenumbralLunar = 0,
    EclipsePartialLunar = 1,
    EclipseTotalLunar = 2,
    EclipsePartialSolar = 3,
    EclipseAnnularSolar = 4,
    EclipseTotalSolar = 5,
    EclipseAnnularTotalSolar = 6,
};

// One point of a central line.
struct TEclipsePathPoint {
    TDateTime Time;    // UT
    double Latitude;   // geodetic, degrees north
    double Longitude;  // degrees east, -180..180
    double Duration;   // of the central phase on the line: minutes + seconds / 100
};

// One eclipse. Contact times that a kind does not use hold 0.0; solar records use
// MidEclipse only.
struct TEclipseRec {
    uint8_t EType = 0;
    double Magnitude =
        0.0;  // lunar umbral (partial, total) or penumbral; solar partial; central -1
    uint8_t Hemisphere = 0;  // solar: 1 northern, 2 southern; lunar 0
    TDateTime PenumbralStart = 0.0;
    TDateTime PenumbralEnd = 0.0;
    TDateTime UmbralStart = 0.0;
    TDateTime TotalStart = 0.0;
    TDateTime MidEclipse = 0.0;
    TDateTime TotalEnd = 0.0;
    TDateTime UmbralEnd = 0.0;
    // Central solar eclipses whose axis crosses the Earth long enough; empty otherwise.
    std::optional<std::vector<TEclipsePathPoint>> Path;
};

// The list of eclipses; it owns its records and their paths.
class TStEclipses {
public:
    // Appends the eclipses of Year in time order; the list is not cleared first.
    void SearchYear(int32_t Year);
    // The record at Index, or nullptr when Index is out of range.
    const TEclipseRec* EclipseAt(int32_t Index) const;
    int32_t Count() const { return static_cast<int32_t>(Items.size()); }
    void Clear() { Items.clear(); }

private:
    static constexpr int EpochCount = 25;  // two hours either side in ten-minute steps

    // Mean elements of lunation k and the quantities of its eclipse.
    struct Lunation {
        double K, T, M, MPrime, F, Omega, E;
        bool IsNew;
        double JD;     // greatest eclipse, UT
        double Gamma;  // least distance of the shadow axis from the Earth's centre
        double U;      // radius of the umbral cone in the fundamental plane
    };

    void EclipseOfLunation(double K);
    static double EclipseCorrections(const Lunation& L, double MeanJDE, double& F1);
    void AddTotalLunar(const Lunation& L);
    void AddPartialLunar(const Lunation& L);
    void AddPenumbralLunar(const Lunation& L);
    void AddCentralSolar(const Lunation& L);
    void AddPartialSolar(const Lunation& L);
    TEclipseRec LunarRecord(const Lunation& L, uint8_t Kind, double Magnitude) const;
    void CentralLinePoints(double JD);
    // The epochs whose shadow is computed; the others are interpolated between them.
    static constexpr std::array<size_t, 5> InterpolationNodes = {0, 6, 12, 18, 24};
    static std::optional<TShadowEpoch> InterpolatedShadow(
        const std::array<std::optional<TShadowEpoch>, InterpolationNodes.size()>& Nodes,
        const std::array<TDayTimeRec, EpochCount>& At, size_t Index);
    std::vector<TEclipsePathPoint> BuildCentralPath(int First, int Last) const;

    std::vector<TEclipseRec> Items;
    // The year being searched: greatest eclipse from YearStart up to YearEnd (JD, UT).
    double YearStart = 0.0;
    double YearEnd = 0.0;
    // Shadow geometry of the epochs of the central line being built (nothing where an
    // epoch lies outside the engine's dates).
    std::array<std::optional<TShadowEpoch>, EpochCount> Epochs;
};

}  // namespace orbelune
