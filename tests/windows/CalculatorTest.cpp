// The calculator: key sequences on the model (table-driven) and the widget's keyboard,
// buttons and clipboard.
#include "Calculator.h"
#include "QStringPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

// Runs keys on a fresh model: digits, ".", "+-*/", "=", "C" clear, "s" change sign,
// "b" backspace.
QString Pressed(const char* Keys) {
    TCalculatorModel model;
    for (const char* k = Keys; *k; ++k) {
        switch (*k) {
            case '.':
                model.Point();
                break;
            case '+':
                model.Operation(TCalcOperation::Add);
                break;
            case '-':
                model.Operation(TCalcOperation::Subtract);
                break;
            case '*':
                model.Operation(TCalcOperation::Multiply);
                break;
            case '/':
                model.Operation(TCalcOperation::Divide);
                break;
            case '=':
                model.Equals();
                break;
            case 'C':
                model.Clear();
                break;
            case 's':
                model.ChangeSign();
                break;
            case 'b':
                model.Backspace();
                break;
            default:
                model.Digit(*k - '0');
        }
    }
    return model.Display();
}

TEST(CalculatorModel, KeySequences) {
    const struct {
        const char* Keys;
        const char* Display;
    } cases[] = {
        {"", "0"},
        {"007", "7"},
        {"1.5.2", "1.52"},
        {".5", "0.5"},
        {"12+30=", "42"},
        {"2+3*4=", "20"},  // left to right, as the keys come
        {"9-12=", "-3"},
        {"7/2=", "3.5"},
        {"1/3*3=", "1"},  // extended precision carries through
        {"5+=", "10"},
        {"5+-3=", "2"},  // a second operation replaces the first
        {"12s", "-12"},
        {"12s3", "-123"},
        {"12=s", "-12"},
        {"0s", "0"},
        {"123bb", "1"},
        {"1bb", "0"},
        {"12+3=b", "15"},
        {"1/0=", "Cannot divide by zero"},
        {"1/0+", "Cannot divide by zero"},
        {"1/0=+2=", "2"},
        {"1/0=4", "4"},
        {"12+3C", "0"},
        {"12+3C4=", "4"},
        {"1234567890123456789012", "1234567890123456789"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Pressed(c.Keys), QString::fromLatin1(c.Display)) << c.Keys;
}

TEST(CalculatorModel, WrittenNumbersAreOperands) {
    TCalculatorModel model;
    model.Digit(2);
    model.Operation(TCalcOperation::Add);
    model.SetText(QStringLiteral("2.20462262184878"));
    model.Equals();
    EXPECT_EQ(model.Display(), "4.20462262184878");
    model.Digit(5);  // a new number after a result
    EXPECT_EQ(model.Display(), "5");

    model.SetText(QStringLiteral("NAN"));
    EXPECT_TRUE(std::isnan(model.Value()));
    EXPECT_TRUE(model.Paste(QStringLiteral(" 3,5 ")));
    EXPECT_EQ(model.Display(), "3.5");
    EXPECT_FALSE(model.Paste(QStringLiteral("hello")));
    EXPECT_EQ(model.Display(), "3.5");
    EXPECT_TRUE(model.Paste(QStringLiteral("1e3")));
    EXPECT_EQ(model.Display(), "1000");
}

void Type(QWidget& Widget, int Key, const QString& Text = {},
          Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, Key, Modifiers, Text);
    QApplication::sendEvent(&Widget, &press);
}

TEST(Calculator, KeyboardButtonsAndClipboard) {
    TCalculator calculator;
    auto* display = calculator.findChild<QLineEdit*>(QStringLiteral("CalculatorDisplay"));
    ASSERT_NE(display, nullptr);
    for (const char* text : {"1", "2", ",", "5", "*", "2"}) Type(calculator, 0, text);
    Type(calculator, Qt::Key_Return);
    EXPECT_EQ(display->text(), "25");
    Type(calculator, Qt::Key_F9);
    EXPECT_EQ(calculator.Text(), "-25");

    Type(calculator, Qt::Key_C, QStringLiteral("c"), Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "-25");
    Type(calculator, Qt::Key_Escape);
    EXPECT_EQ(display->text(), "0");
    Type(calculator, Qt::Key_V, QStringLiteral("v"), Qt::ControlModifier);
    EXPECT_EQ(display->text(), "-25");

    for (const char* name : {"CalculatorKeyClear", "CalculatorKey7", "CalculatorKeyDivide",
                             "CalculatorKey2", "CalculatorKeyEquals"})
        calculator.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    EXPECT_EQ(display->text(), "3.5");
    EXPECT_EQ(calculator.findChildren<QPushButton*>().size(), 18);

    QGuiApplication::clipboard()->setText(QStringLiteral("not a number"));
    calculator.PasteFromClipboard();
    EXPECT_EQ(display->text(), "3.5");
}

}  // namespace
}  // namespace orbelune
