// Trigonometry in degrees and radians in 80-bit extended precision.
//
// In:  angles in degrees or radians, or the values of their sines and cosines.
// Out: extended-precision results; NormalizeDeg brings an angle into [0, 360).
// Method: the C library's long double functions; the inverse functions built from the
//      arctangent; pi, pi/2 and the degree factors as 20-digit constants.
// Accuracy: a few units of the last place of an 80-bit value for arguments of a few
//      turns; the degree forms reduce the argument to one turn first.
#pragma once

namespace orbelune {

inline constexpr long double ExtPi = 3.1415926535897932385L;
inline constexpr long double ExtHalfPi = 1.5707963267948966193L;
inline constexpr long double ExtDegToRad = 0.017453292519943295769L;
inline constexpr long double ExtRadToDeg = 57.295779513082320877L;

long double Deg2Rad(long double X);
long double Rad2Deg(long double X);
long double TanRad(long double X);
// Angle of the point (X, Y) in -pi/2 .. 3pi/2; pi/2 or -pi/2 on the Y axis,
// 0 at the origin.
long double ArcTan2Rad(long double Y, long double X);
long double ArcSinRad(long double X);
long double ArcCosRad(long double X);
// X reduced to [0, 360).
long double NormalizeDeg(long double X);
long double SinDeg(long double X);
long double CosDeg(long double X);
long double TanDeg(long double X);
long double ArcTan2Deg(long double Y, long double X);
long double ArcSinDeg(long double X);

}  // namespace orbelune
