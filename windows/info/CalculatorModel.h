#pragma once
// The workings of the Tools tab's calculator without its widget: the display text and
// its number, the four operations evaluated in 80-bit extended precision from left to
// right as the keys come, equals, clear, change sign and a number written in from
// outside (a converter key, pi, the clipboard, the saved number).

#include <QString>

namespace orbelune {

enum class TCalcOperation { None, Add, Subtract, Multiply, Divide };

class TCalculatorModel {
public:
    // What the display shows: a number, or a message after a division by zero.
    const QString& Display() const { return display_; }
    // The number shown, at full precision; NaN for a display that is not a number.
    long double Value() const { return value_; }

    void Digit(int D);
    void Point();
    // Removes the last character typed; nothing for a result.
    void Backspace();
    void Operation(TCalcOperation Op);
    void Equals();
    void Clear();
    void ChangeSign();
    // Shows Text as the number to work with; the next digit starts a new number.
    void SetText(const QString& Text);
    // SetText of a number read from Text (a "," is taken as the decimal point when
    // there is no "."); false and nothing changed when Text holds no number.
    bool Paste(const QString& Text);

private:
    // Typing: digits append. Shown: a result or a written number, which the next digit
    // replaces but an operation takes as its operand. AfterOperation: the display
    // still shows the first operand; another operation replaces the pending one.
    enum class TEntry { Typing, Shown, AfterOperation };

    void Show(long double Value);
    void StartTyping();
    void ApplyPending();

    QString display_ = QStringLiteral("0");
    long double value_ = 0;
    long double accumulator_ = 0;
    TCalcOperation pending_ = TCalcOperation::None;
    TEntry entry_ = TEntry::Shown;
    bool error_ = false;
};

}  // namespace orbelune
