#include "WinColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace orbelune {

namespace {

struct TSystemColor {
    int Index;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The Windows system colour indexes that have a palette counterpart.
constexpr std::array<TSystemColor, 17> SystemColors = {{
    {2, QPalette::Active, QPalette::Highlight},        // active caption
    {3, QPalette::Inactive, QPalette::Highlight},      // inactive caption
    {4, QPalette::Active, QPalette::Window},           // menu
    {5, QPalette::Active, QPalette::Base},             // window
    {7, QPalette::Active, QPalette::WindowText},       // menu text
    {8, QPalette::Active, QPalette::Text},             // window text
    {9, QPalette::Active, QPalette::HighlightedText},  // caption text
    {13, QPalette::Active, QPalette::Highlight},       // highlight
    {14, QPalette::Active, QPalette::HighlightedText},
    {15, QPalette::Active, QPalette::Button},  // button face
    {16, QPalette::Active, QPalette::Dark},    // button shadow
    {17, QPalette::Disabled, QPalette::Text},  // grey text
    {18, QPalette::Active, QPalette::ButtonText},
    {20, QPalette::Active, QPalette::Light},  // button highlight
    {23, QPalette::Active, QPalette::ToolTipText},
    {24, QPalette::Active, QPalette::ToolTipBase},
    {27, QPalette::Active, QPalette::Highlight},  // gradient active caption
}};

QColor SystemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    for (const TSystemColor& c : SystemColors)
        if (c.Index == index) return palette.color(c.Group, c.Role);
    return palette.color(QPalette::Active, QPalette::Window);
}

}  // namespace

QColor ColorFromWinColor(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    if ((v >> 24) == 0xFF) return SystemColor(static_cast<int>(v & 0xFF));
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

std::int32_t WinColorFromColor(const QColor& Color) {
    const QColor rgb = Color.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rgb.red()) |
                                     static_cast<std::uint32_t>(rgb.green()) << 8 |
                                     static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace orbelune
