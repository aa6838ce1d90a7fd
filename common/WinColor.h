#pragma once
// Colours kept in the Windows form $00BBGGRR; a high byte of $FF names a system
// colour by its index instead (for example $FF00000F, the button face).

#include <QColor>

#include <cstdint>

namespace orbelune {

QColor ColorFromWinColor(std::int32_t value);
// The $00BBGGRR value of a colour (never a system colour).
std::int32_t WinColorFromColor(const QColor& Color);

}  // namespace orbelune
