#include "EditMenu.h"

#include "Calculator.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orbelune {

namespace {

bool ClipboardHasText() {
    return !QGuiApplication::clipboard()->text().isEmpty();
}

QLineEdit* LineEditOf(QWidget* Control) {
    if (auto* combo = qobject_cast<QComboBox*>(Control)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(Control);
}

}  // namespace

TEditMenuItems EditMenuItems(TEditRole Role, bool ClipboardHasText) {
    if (Role == TEditRole::PasteOnlyEdit) return {false, true, false, false};
    const bool editable = Role != TEditRole::Memo;
    return {true, editable && ClipboardHasText, editable, Role != TEditRole::Calculator};
}

TEditMenu::TEditMenu(QWidget* Parent) : QMenu(Parent) {
    setObjectName(QStringLiteral("CutPastePopupMenu"));
    const auto add = [this](const char* Name, const QString& Caption, void (TEditMenu::*Click)()) {
        QAction* action = addAction(Caption);
        action->setObjectName(QString::fromLatin1(Name));
        connect(action, &QAction::triggered, this, Click);
        return action;
    };
    CopyToClipboard1 =
        add("CopyToClipboard1", QStringLiteral("Copy"), &TEditMenu::CopyToClipboard1Click);
    PasteFromClipboard1 =
        add("PasteFromClipboard1", QStringLiteral("Paste"), &TEditMenu::PasteFromClipboard1Click);
    CutToClipboard1 =
        add("CutToClipboard1", QStringLiteral("Cut"), &TEditMenu::CutToClipboard1Click);
    SelectAll1 = add("SelectAll1", QStringLiteral("Select All"), &TEditMenu::SelectAll1Click);
}

void TEditMenu::Attach(QWidget* Control, TEditRole Role) {
    FRoles.insert(Control, Role);
    connect(Control, &QObject::destroyed, this, [this, Control] { FRoles.remove(Control); });
    QWidget* source = Control;
    if (auto* combo = qobject_cast<QComboBox*>(Control); combo && combo->lineEdit())
        source = combo->lineEdit();
    source->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(source, &QWidget::customContextMenuRequested, this,
            [this, Control, source](const QPoint& At) {
                Control->setFocus(Qt::PopupFocusReason);
                CutPastePopupMenuPopup();
                // A scroll area reports the place in its viewport.
                auto* area = qobject_cast<QAbstractScrollArea*>(source);
                popup((area ? area->viewport() : source)->mapToGlobal(At));
            });
}

QWidget* TEditMenu::FocusedControl(TEditRole& Role) const {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        const auto found = FRoles.constFind(widget);
        if (found != FRoles.constEnd()) {
            Role = found.value();
            return widget;
        }
        // A combo box's line edit stands for the box; no other child does.
        if (!qobject_cast<QComboBox*>(widget->parentWidget())) break;
    }
    return nullptr;
}

void TEditMenu::CutPastePopupMenuPopup() {
    TEditRole role = TEditRole::Memo;
    const bool attached = FocusedControl(role) != nullptr;
    const TEditMenuItems items =
        attached ? EditMenuItems(role, ClipboardHasText()) : TEditMenuItems{};
    CopyToClipboard1->setVisible(items.Copy);
    PasteFromClipboard1->setVisible(items.Paste);
    CutToClipboard1->setVisible(items.Cut);
    SelectAll1->setVisible(items.SelectAll);
}

void TEditMenu::CopyToClipboard1Click() {
    TEditRole role = TEditRole::Memo;
    QWidget* control = FocusedControl(role);
    if (control == nullptr) return;
    switch (role) {
        case TEditRole::Calculator:
            static_cast<TCalculator*>(control)->CopyToClipboard();
            break;
        case TEditRole::Memo:
            if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) memo->copy();
            break;
        case TEditRole::ComboBox:
            if (QLineEdit* edit = LineEditOf(control)) edit->copy();
            break;
        case TEditRole::Edit:
            if (QLineEdit* edit = LineEditOf(control))
                QGuiApplication::clipboard()->setText(edit->text());
            break;
        case TEditRole::PasteOnlyEdit:
            break;
    }
}

void TEditMenu::PasteFromClipboard1Click() {
    TEditRole role = TEditRole::Memo;
    QWidget* control = FocusedControl(role);
    if (control == nullptr || !ClipboardHasText()) return;
    if (role == TEditRole::Calculator)
        static_cast<TCalculator*>(control)->PasteFromClipboard();
    else if (QLineEdit* edit = role == TEditRole::Memo ? nullptr : LineEditOf(control))
        edit->paste();
}

void TEditMenu::CutToClipboard1Click() {
    TEditRole role = TEditRole::Memo;
    QWidget* control = FocusedControl(role);
    if (control == nullptr) return;
    if (role == TEditRole::Calculator) {
        auto* calculator = static_cast<TCalculator*>(control);
        calculator->CopyToClipboard();
        calculator->Clear();
    } else if (role == TEditRole::ComboBox || role == TEditRole::Edit) {
        // The selection goes to the clipboard and leaves the field; the rest stays.
        if (QLineEdit* edit = LineEditOf(control)) edit->cut();
    }
}

void TEditMenu::SelectAll1Click() {
    TEditRole role = TEditRole::Memo;
    QWidget* control = FocusedControl(role);
    if (control == nullptr) return;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        memo->selectAll();
    else if (QLineEdit* edit = role == TEditRole::Calculator ? nullptr : LineEditOf(control))
        edit->selectAll();
}

}  // namespace orbelune
