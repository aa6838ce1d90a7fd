// The shared cut/copy/paste menu: which items show over which control, and what each
// does to the focused control and the clipboard.
#include "Calculator.h"
#include "EditMenu.h"
#include "QStringPrinter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace orbelune {
namespace {

TEST(EditMenu, ItemsByRoleAndClipboard) {
    const struct {
        TEditRole Role;
        bool Clipboard;
        TEditMenuItems Items;  // copy, paste, cut, select all
    } cases[] = {
        {TEditRole::Calculator, true, {true, true, true, false}},
        {TEditRole::Calculator, false, {true, false, true, false}},
        {TEditRole::Memo, true, {true, false, false, true}},
        {TEditRole::ComboBox, true, {true, true, true, true}},
        {TEditRole::Edit, false, {true, false, true, true}},
        {TEditRole::PasteOnlyEdit, false, {false, true, false, false}},
    };
    for (const auto& c : cases) {
        const TEditMenuItems items = EditMenuItems(c.Role, c.Clipboard);
        EXPECT_EQ(items.Copy, c.Items.Copy);
        EXPECT_EQ(items.Paste, c.Items.Paste);
        EXPECT_EQ(items.Cut, c.Items.Cut);
        EXPECT_EQ(items.SelectAll, c.Items.SelectAll);
    }
}

class EditMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* column = new QVBoxLayout(&Window);
        for (QWidget* control : {static_cast<QWidget*>(Edit), static_cast<QWidget*>(Memo),
                                 static_cast<QWidget*>(Calculator)})
            column->addWidget(control);
        Menu.Attach(Edit, TEditRole::Edit);
        Menu.Attach(Memo, TEditRole::Memo);
        Menu.Attach(Calculator, TEditRole::Calculator);
        Window.show();
        QApplication::setActiveWindow(&Window);
    }
    void Focus(QWidget* Control) {
        Control->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), Control);
    }

    QWidget Window;
    QLineEdit* Edit = new QLineEdit(QStringLiteral("New York, NY"));
    QPlainTextEdit* Memo = new QPlainTextEdit(QStringLiteral("Mars  12.3"));
    TCalculator* Calculator = new TCalculator;
    TEditMenu Menu;
    QClipboard* Clipboard = QGuiApplication::clipboard();
};

TEST_F(EditMenuTest, CutTakesOnlyTheSelectionAndCopyTheWholeField) {
    Focus(Edit);
    Edit->setSelection(0, 9);  // "New York,"
    Menu.CutToClipboard1Click();
    EXPECT_EQ(Clipboard->text(), "New York,");
    EXPECT_EQ(Edit->text(), " NY");
    Menu.CopyToClipboard1Click();
    EXPECT_EQ(Clipboard->text(), " NY");
    Clipboard->setText(QStringLiteral("Boston"));
    Edit->selectAll();
    Menu.PasteFromClipboard1Click();
    EXPECT_EQ(Edit->text(), "Boston");
    Menu.CutPastePopupMenuPopup();
    EXPECT_TRUE(Menu.PasteFromClipboard1->isVisible());
    EXPECT_TRUE(Menu.SelectAll1->isVisible());
}

TEST_F(EditMenuTest, MemoAndCalculator) {
    Focus(Memo);
    Menu.CutPastePopupMenuPopup();
    EXPECT_FALSE(Menu.CutToClipboard1->isVisible());
    EXPECT_FALSE(Menu.PasteFromClipboard1->isVisible());
    Menu.SelectAll1Click();
    Menu.CopyToClipboard1Click();
    EXPECT_EQ(Clipboard->text(), "Mars  12.3");

    Focus(Calculator);
    Menu.CutPastePopupMenuPopup();
    EXPECT_FALSE(Menu.SelectAll1->isVisible());
    Menu.PasteFromClipboard1Click();  // not a number: nothing
    EXPECT_EQ(Calculator->Text(), "0");
    Clipboard->setText(QStringLiteral("-2.5"));
    Menu.PasteFromClipboard1Click();
    EXPECT_EQ(Calculator->Text(), "-2.5");
    Clipboard->clear();
    Menu.CutToClipboard1Click();
    EXPECT_EQ(Clipboard->text(), "-2.5");
    EXPECT_EQ(Calculator->Text(), "0");
}

}  // namespace
}  // namespace orbelune
