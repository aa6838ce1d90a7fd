#pragma once
// A small calculator: a display, the digits and the decimal point, + - x /, equals,
// clear and change sign, worked by mouse or keyboard (digits, "." or ",", + - * x /,
// = or Enter, Esc or Delete to clear, Backspace, F9 to change the sign, the copy and
// paste shortcuts). The Tools tab's keys write into it and read it back.

#include "CalculatorModel.h"

#include <QFrame>

#include <functional>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace orbelune {

class TCalculator : public QFrame {
    Q_OBJECT

public:
    explicit TCalculator(QWidget* Parent = nullptr);

    QString Text() const { return model_.Display(); }
    // Shows Text as the number to work with (a converter's result, pi, the saved
    // number).
    void SetText(const QString& Text);
    void ChangeSign();
    void Clear();
    void CopyToClipboard() const;
    // Takes a number from the clipboard; nothing when it holds none.
    void PasteFromClipboard();

protected:
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void createDisplay(QGridLayout* Layout);
    void createKeys(QGridLayout* Layout);
    QPushButton* addKey(QGridLayout* Layout, const QString& Caption, const QString& Name,
                        QRect Cell, std::function<void()> Press);
    // Runs a change of the model and shows its display.
    void Apply(const std::function<void()>& Change);

    TCalculatorModel model_;
    QLineEdit* display_ = nullptr;
};

}  // namespace orbelune
