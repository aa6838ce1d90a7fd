#pragma once
// The Tools tab: the calculator, the unit converter and trigonometric keys beside it,
// and the pi, copy and paste keys.

#include "UnitConverters.h"

#include <QWidget>

#include <array>

class QPushButton;

namespace orbelune {

class TCalculator;

class TToolsSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TToolsSheet(QWidget* Parent = nullptr);

    TCalculator* Calculator = nullptr;
    // In the order of ConverterKeys.
    std::array<QPushButton*, ConverterKeys.size()> ConverterButtons{};
    QPushButton* PiButton = nullptr;
    QPushButton* CopyBut = nullptr;
    QPushButton* PasteBut = nullptr;

private:
    QWidget* createConverters(QWidget* Owner);
    QWidget* createCalculatorKeys(QWidget* Owner);
};

}  // namespace orbelune
