// The information window's Tools tab: each converter key turns the calculator's number
// into another, pi and the clipboard keys, and the window's shared cut/copy/paste menu.
#include "InfoForm.h"

#include "Calculator.h"
#include "PlanetSheet.h"
#include "Settings.h"
#include "UnitConverters.h"
#include "WeatherSheet.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace orbelune {

void TInfoForm::createToolsSheet() {
    for (size_t i = 0; i < ToolsPage->ConverterButtons.size(); ++i)
        connect(ToolsPage->ConverterButtons[i], &QPushButton::clicked, this,
                [this, i] { ConverterButClick(static_cast<int>(i)); });
    connect(ToolsPage->PiButton, &QPushButton::clicked, this, &TInfoForm::PiButtonClick);
    connect(ToolsPage->CopyBut, &QPushButton::clicked, this, &TInfoForm::CopyButClick);
    connect(ToolsPage->PasteBut, &QPushButton::clicked, this, &TInfoForm::PasteButClick);

    CutPastePopupMenu = new TEditMenu(this);
    CutPastePopupMenu->Attach(ToolsPage->Calculator, TEditRole::Calculator);
    for (QPlainTextEdit* memo :
         {PlanetPage->PlanetsMemo, PlanetPage->EclipseMemo, WeatherPage->WeatherMemo2})
        CutPastePopupMenu->Attach(memo, TEditRole::Memo);
}

void TInfoForm::ConverterButClick(int Index) {
    if (Index < 0 || Index >= static_cast<int>(ConverterKeys.size())) return;
    TCalculator* calculator = ToolsPage->Calculator;
    const std::optional<QString> result =
        ConvertDisplayText(ConverterKeys[static_cast<size_t>(Index)], calculator->Text());
    if (result) calculator->SetText(*result);
    calculator->setFocus();
}

void TInfoForm::PiButtonClick() {
    ToolsPage->Calculator->SetText(PiText());
    ToolsPage->Calculator->setFocus();
}

void TInfoForm::CopyButClick() {
    ToolsPage->Calculator->CopyToClipboard();
    ToolsPage->Calculator->setFocus();
}

void TInfoForm::PasteButClick() {
    ToolsPage->Calculator->PasteFromClipboard();
    ToolsPage->Calculator->setFocus();
}

void TInfoForm::ShowNumberInCalculator() {
    ToolsPage->Calculator->SetText(FloatText(Settings.NumberInCalculator));
}

void TInfoForm::KeepNumberInCalculator() {
    const std::optional<long double> number = TextToFloat(ToolsPage->Calculator->Text());
    if (number) Settings.NumberInCalculator = *number;
}

}  // namespace orbelune
