// The information window's internet time: the Time tab's result display, its
// "Get Time" button and that button's focus when the tab opens.
#include "InfoForm.h"

#include "Settings.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace orbelune {

void TInfoForm::createTimeSheet() {
    TimeSheet->ShowSettings();
    TimeSheet->AdjustLab->clear();
    // The last setting of the clock, until a query brings a newer result.
    if (Settings.LastTimeStamp != 0)
        UpdateInternetTimeDisplay({Settings.LastTimeStamp, Settings.LastTimeAdjust, true, {}});
    connect(TimeSheet->GetInternetTimeBut, &QPushButton::clicked, this,
            &TInfoForm::GetInternetTimeButClick);
    // Opening the tab readies its "Get Time" button (TimeServerSheetShow).
    TimeSheet->installEventFilter(this);
}

void TInfoForm::TimeServerSheetShow() {
    TimeSheet->GetInternetTimeBut->setFocus();
}

void TInfoForm::UpdateInternetTimeDisplay(const TInternetTimeResult& Result) {
    TimeSheet->ShowInternetTime(Result);
}

// The query waits for its answer with the windows turning; meanwhile the button rests,
// so that one click asks once.
void TInfoForm::GetInternetTimeButClick() {
    QPushButton* button = TimeSheet->GetInternetTimeBut;
    const bool focused = button->hasFocus();
    button->setEnabled(false);
    emit InternetTimeRequested(TimeSheet->TimeServerBox->currentText().trimmed(),
                               Settings.UpdateClock);
    button->setEnabled(true);
    if (focused) button->setFocus();
}

}  // namespace orbelune
