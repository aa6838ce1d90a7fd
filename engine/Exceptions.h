#pragma once
// Exception classes raised by the engine's calendar and phase routines (unit moon).
// Every other engine routine answers bad input with a marker value instead of raising;
// what() is the fixed message the routine documents.

#include <stdexcept>

namespace orbelune {

// Root of the engine's exceptions; what() is the fixed message.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A date or Julian Day that cannot be converted: "Invalid year", "Invalid month",
// "Invalid day", "Date invalid due to calendar change", "Negative julian dates not
// supported".
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An input outside what an algorithm covers, or a search that finds nothing: "Out of
// range of the algorithm", "Invalid TMoonPhase", "No TDateTime possible".
class E_OutOfAlgorithmRange : public Exception {
public:
    using Exception::Exception;
};

}  // namespace orbelune
