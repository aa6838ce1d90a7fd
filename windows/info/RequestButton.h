#pragma once
// The button that starts a tab's request ("Get Radar", "Get Satellite") and the
// "Cancel" that stands in its place while the request runs. Meanwhile every other
// control of the tab is disabled, so that the user can cancel and do nothing else
// there; the tab itself still scrolls.

#include <QStackedWidget>

class QPushButton;

namespace orbelune {

class TRequestButton final : public QStackedWidget {
    Q_OBJECT

public:
    // StartBut gets Caption and StartName; CancelBut "Cancel" and CancelName.
    TRequestButton(const QString& Caption, const QString& StartName, const QString& CancelName,
                   QWidget* Parent);

    QPushButton* StartBut = nullptr;
    QPushButton* CancelBut = nullptr;

    // Busy: the controls of Page (the tab's content) disabled but for "Cancel", which
    // stands in the start button's place and takes its focus; not busy, the reverse.
    void SetBusy(QWidget* Page, bool Busy);
};

}  // namespace orbelune
