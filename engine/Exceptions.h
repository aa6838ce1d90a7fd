#pragma once
// Exception classes raised by the engine's calendar and phase routines. Every other
// engine routine answers bad input with a marker value instead of raising.

#include <stdexcept>

namespace orbelune {

// Root of the engine's exceptions; what() is the fixed message.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A date or Julian Day that cannot be converted.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace orbelune
