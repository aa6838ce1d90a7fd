#pragma once
// The weather text window: the last report in a read-only memo, with its age and
// observation time as caption and label; until a report comes, a line that says so.

#include "StDate.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orbelune {

// The report lines as the window shows them: the first two joined into one.
QStringList WeatherWindowLines(const QStringList& ReportLines);

// "Weather " + age text + " at " + the local observation time as "hh:nn " (24-hour)
// or "hh:nn AM/PM ", followed by DateFormatLong (Delphi format letters). Without an age
// (the report's time was not valid) just "Weather".
QString WeatherWindowCaption(std::optional<int> AgeMinutes, TDateTime ReportTimeLocal,
                             bool UseMilitaryTime, const QString& DateFormatLong);

class TForm6 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // Fills the memo, sets the caption and Label1 to Caption, and sizes the window to
    // show them whole.
    void ShowReport(const QStringList& Lines, const QString& Caption);

    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* CloseBut = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CloseButClick();
    void CreateControls();
    void FitToContents();
    bool Centred_ = false;
};

}  // namespace orbelune
