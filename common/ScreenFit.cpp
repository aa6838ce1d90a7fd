#include "ScreenFit.h"

#include <algorithm>
#include <limits>

namespace orbelune {

namespace {

constexpr long long IntMin = std::numeric_limits<int>::min();
constexpr long long IntMax = std::numeric_limits<int>::max();
// The gap between two windows placed side by side.
constexpr int BesideGap = 8;

// Value within Low .. High; Low wins when the range is empty.
long long Within(long long Value, long long Low, long long High) {
    return std::max(Low, std::min(Value, High));
}

}  // namespace

TWindowPlace FitToArea(long long Left, long long Top, long long Width, long long Height,
                       const QRect& Area, const QSize& Minimum, const QMargins& Frame) {
    const long long across = Frame.left() + Frame.right();
    const long long down = Frame.top() + Frame.bottom();
    const long long width =
        Within(Width, Minimum.width(), std::max<long long>(Area.width() - across, 1));
    const long long height =
        Within(Height, Minimum.height(), std::max<long long>(Area.height() - down, 1));
    const long long right = static_cast<long long>(Area.x()) + Area.width();
    const long long bottom = static_cast<long long>(Area.y()) + Area.height();
    const long long left = Within(Left, Area.x(), right - width - across);
    const long long top = Within(Top, Area.y(), bottom - height - down);
    return {QPoint(static_cast<int>(left), static_cast<int>(top)),
            QSize(static_cast<int>(width), static_cast<int>(height))};
}

QRect FrameRect(long long Left, long long Top, long long Width, long long Height,
                const QMargins& Frame) {
    const long long width = Width + Frame.left() + Frame.right();
    const long long height = Height + Frame.top() + Frame.bottom();
    const auto fits = [](long long v) { return v >= IntMin && v <= IntMax; };
    if (width <= 0 || height <= 0 || !fits(Left) || !fits(Top) || !fits(Left + width) ||
        !fits(Top + height))
        return {};
    return {static_cast<int>(Left), static_cast<int>(Top), static_cast<int>(width),
            static_cast<int>(height)};
}

TWindowPlace BesideFrame(const QRect& OtherFrame, const QSize& Size, const QSize& Minimum,
                         const QRect& Area) {
    const long long right = static_cast<long long>(OtherFrame.x()) + OtherFrame.width() + BesideGap;
    const long long roomRight = static_cast<long long>(Area.x()) + Area.width() - right;
    const long long roomLeft = static_cast<long long>(OtherFrame.x()) - BesideGap - Area.x();
    const int top = OtherFrame.y();
    if (roomRight >= Minimum.width()) {
        const int width = static_cast<int>(std::min<long long>(Size.width(), roomRight));
        return {QPoint(static_cast<int>(right), top), QSize(width, Size.height())};
    }
    if (roomLeft >= Minimum.width()) {
        const int width = static_cast<int>(std::min<long long>(Size.width(), roomLeft));
        return {QPoint(OtherFrame.x() - BesideGap - width, top), QSize(width, Size.height())};
    }
    return {QPoint(static_cast<int>(right), top), Size};
}

}  // namespace orbelune
