#include "CalculatorModel.h"

#include "UnitConverters.h"

#include <cmath>
#include <limits>

namespace orbelune {

namespace {

// Digits beyond what an extended number holds are not taken.
constexpr int MaxDigits = 19;

int DigitCount(const QString& Text) {
    int count = 0;
    for (const QChar c : Text) count += c.isDigit() ? 1 : 0;
    return count;
}

}  // namespace

void TCalculatorModel::Show(long double Value) {
    value_ = Value;
    display_ = FloatText(Value);
}

void TCalculatorModel::StartTyping() {
    if (entry_ == TEntry::Typing) return;
    display_ = QStringLiteral("0");
    value_ = 0;
    entry_ = TEntry::Typing;
    error_ = false;
}

void TCalculatorModel::Digit(int D) {
    if (D < 0 || D > 9) return;
    StartTyping();
    if (DigitCount(display_) >= MaxDigits) return;
    const QChar digit(u'0' + D);
    if (display_ == QLatin1String("0"))
        display_ = digit;
    else
        display_ += digit;
    value_ = TextToFloat(display_).value_or(0);
}

void TCalculatorModel::Point() {
    StartTyping();
    if (!display_.contains(u'.')) display_ += u'.';
}

void TCalculatorModel::Backspace() {
    if (entry_ != TEntry::Typing) return;
    display_.chop(1);
    if (display_.isEmpty() || display_ == QLatin1String("-")) display_ = QStringLiteral("0");
    value_ = TextToFloat(display_).value_or(0);
}

void TCalculatorModel::ApplyPending() {
    long double result = value_;
    switch (pending_) {
        case TCalcOperation::Add:
            result = accumulator_ + value_;
            break;
        case TCalcOperation::Subtract:
            result = accumulator_ - value_;
            break;
        case TCalcOperation::Multiply:
            result = accumulator_ * value_;
            break;
        case TCalcOperation::Divide:
            if (value_ == 0) {
                display_ = QStringLiteral("Cannot divide by zero");
                value_ = std::numeric_limits<long double>::quiet_NaN();
                pending_ = TCalcOperation::None;
                entry_ = TEntry::Shown;
                error_ = true;
                return;
            }
            result = accumulator_ / value_;
            break;
        case TCalcOperation::None:
            break;
    }
    Show(result);
}

void TCalculatorModel::Operation(TCalcOperation Op) {
    if (error_) return;
    if (pending_ != TCalcOperation::None && entry_ != TEntry::AfterOperation) {
        ApplyPending();
        if (error_) return;
    }
    accumulator_ = value_;
    pending_ = Op;
    entry_ = TEntry::AfterOperation;
}

void TCalculatorModel::Equals() {
    if (error_ || pending_ == TCalcOperation::None) return;
    ApplyPending();
    pending_ = TCalcOperation::None;
    if (!error_) entry_ = TEntry::Shown;
}

void TCalculatorModel::Clear() {
    display_ = QStringLiteral("0");
    value_ = accumulator_ = 0;
    pending_ = TCalcOperation::None;
    entry_ = TEntry::Shown;
    error_ = false;
}

void TCalculatorModel::ChangeSign() {
    if (error_ || value_ == 0 || std::isnan(value_)) return;
    if (entry_ == TEntry::AfterOperation) entry_ = TEntry::Shown;
    display_ = display_.startsWith(u'-') ? display_.mid(1) : u'-' + display_;
    value_ = -value_;
}

void TCalculatorModel::SetText(const QString& Text) {
    constexpr long double infinity = std::numeric_limits<long double>::infinity();
    display_ = Text;
    if (Text == QLatin1String("INF"))
        value_ = infinity;
    else if (Text == QLatin1String("-INF"))
        value_ = -infinity;
    else
        value_ = TextToFloat(Text).value_or(std::numeric_limits<long double>::quiet_NaN());
    entry_ = TEntry::Shown;
    error_ = false;
}

bool TCalculatorModel::Paste(const QString& Text) {
    QString text = Text.trimmed();
    if (!text.contains(u'.')) text.replace(u',', u'.');
    const std::optional<long double> value = TextToFloat(text);
    if (!value) return false;
    SetText(FloatText(*value));
    value_ = *value;
    return true;
}

}  // namespace orbelune
