#pragma once
// The information window's shared Cut / Copy / Paste / Select All pop-up menu. Each
// control that uses it is attached with its role; the menu works on the attached
// control that has the focus (a right click gives it the focus first).

#include <QHash>
#include <QMenu>
#include <QPointer>

class QAction;

namespace orbelune {

enum class TEditRole {
    Calculator,     // copies and pastes its number; Cut copies it and clears it
    Memo,           // read-only text: copy the selection, select all
    ComboBox,       // an editable box: the selection is copied, cut and replaced
    Edit,           // copies its whole text; Cut takes the selection only
    PasteOnlyEdit,  // offers Paste alone
};

struct TEditMenuItems {
    bool Copy = false;
    bool Paste = false;
    bool Cut = false;
    bool SelectAll = false;
};

// The items shown over a control of Role: Paste and Cut only over a control one can
// type into (Paste while the clipboard holds text), Select All except over the
// calculator.
TEditMenuItems EditMenuItems(TEditRole Role, bool ClipboardHasText);

class TEditMenu final : public QMenu {
    Q_OBJECT

public:
    explicit TEditMenu(QWidget* Parent = nullptr);

    // Control's context menu becomes this one (an editable combo box's through its
    // line edit).
    void Attach(QWidget* Control, TEditRole Role);

    // Shows the items for the focused control.
    void CutPastePopupMenuPopup();
    void CopyToClipboard1Click();
    void PasteFromClipboard1Click();
    void CutToClipboard1Click();
    void SelectAll1Click();

    QAction* CopyToClipboard1 = nullptr;
    QAction* PasteFromClipboard1 = nullptr;
    QAction* CutToClipboard1 = nullptr;
    QAction* SelectAll1 = nullptr;

private:
    // The attached control that has the focus, or nothing.
    QWidget* FocusedControl(TEditRole& Role) const;

    QHash<QWidget*, TEditRole> FRoles;
};

}  // namespace orbelune
