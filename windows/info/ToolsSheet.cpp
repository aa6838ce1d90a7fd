#include "ToolsSheet.h"

#include "Calculator.h"
#include "ScrolledPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

// The converters come in pairs, one to a row; the six trigonometric keys fill two rows
// of three below them.
constexpr size_t ConverterPairs = 7;

QPushButton* NewButton(QWidget* Owner, const QString& Name, const QString& Caption) {
    auto* button = new QPushButton(Caption, Owner);
    button->setObjectName(Name);
    return button;
}

}  // namespace

TToolsSheet::TToolsSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("ToolsSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("ToolsSheetContent"));
    auto* row = new QHBoxLayout(content);
    auto* left = new QVBoxLayout;
    Calculator = new TCalculator(content);
    Calculator->setObjectName(QStringLiteral("Calculator"));
    left->addWidget(Calculator);
    left->addWidget(createCalculatorKeys(content));
    left->addStretch(1);
    row->addLayout(left);
    row->addWidget(createConverters(content), 0, Qt::AlignTop);
    row->addStretch(1);
}

QWidget* TToolsSheet::createConverters(QWidget* Owner) {
    auto* keys = new QWidget(Owner);
    auto* grid = new QGridLayout(keys);
    grid->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < ConverterKeys.size(); ++i) {
        const TConverterKey& key = ConverterKeys[i];
        ConverterButtons[i] =
            NewButton(keys, QString::fromLatin1(key.Name), QString::fromUtf8(key.Caption));
        // Pairs take three columns each of a six-column grid; trigonometric keys two.
        if (i < 2 * ConverterPairs)
            grid->addWidget(ConverterButtons[i], static_cast<int>(i / 2),
                            static_cast<int>(i % 2) * 3, 1, 3);
        else
            grid->addWidget(ConverterButtons[i],
                            static_cast<int>(ConverterPairs + (i - 2 * ConverterPairs) / 3),
                            static_cast<int>((i - 2 * ConverterPairs) % 3) * 2, 1, 2);
    }
    return keys;
}

QWidget* TToolsSheet::createCalculatorKeys(QWidget* Owner) {
    auto* keys = new QWidget(Owner);
    auto* row = new QHBoxLayout(keys);
    row->setContentsMargins(0, 0, 0, 0);
    PiButton = NewButton(keys, QStringLiteral("PiButton"), QStringLiteral("\u03C0"));
    CopyBut = NewButton(keys, QStringLiteral("CopyBut"), QStringLiteral("Copy"));
    PasteBut = NewButton(keys, QStringLiteral("PasteBut"), QStringLiteral("Paste"));
    for (QPushButton* button : {PiButton, CopyBut, PasteBut}) row->addWidget(button);
    return keys;
}

}  // namespace orbelune
