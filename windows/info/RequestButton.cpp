#include "RequestButton.h"

#include <QPushButton>

namespace orbelune {

namespace {

// Enables or disables everything below Root but Keep and the widgets that hold it.
void EnableAllBut(QWidget* Root, const QWidget* Keep, bool Enabled) {
    for (QWidget* child : Root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == Keep) continue;
        if (child->isAncestorOf(Keep))
            EnableAllBut(child, Keep, Enabled);
        else
            child->setEnabled(Enabled);
    }
}

}  // namespace

TRequestButton::TRequestButton(const QString& Caption, const QString& StartName,
                               const QString& CancelName, QWidget* Parent)
    : QStackedWidget(Parent) {
    setObjectName(StartName + QStringLiteral("Stack"));
    StartBut = new QPushButton(Caption, this);
    StartBut->setObjectName(StartName);
    CancelBut = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBut->setObjectName(CancelName);
    CancelBut->setToolTip(QStringLiteral("Stop the download"));
    addWidget(StartBut);
    addWidget(CancelBut);
    setSizePolicy(StartBut->sizePolicy());
}

void TRequestButton::SetBusy(QWidget* Page, bool Busy) {
    const bool hadFocus = (Busy ? StartBut : CancelBut)->hasFocus();
    EnableAllBut(Page, CancelBut, !Busy);
    StartBut->setEnabled(!Busy);
    setCurrentWidget(Busy ? CancelBut : StartBut);
    if (hadFocus) currentWidget()->setFocus();
}

}  // namespace orbelune
