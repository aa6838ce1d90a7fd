// The Tools tab in the information window: converter keys on the calculator's number,
// pi, the clipboard keys, the saved number, and the shared menu over the window's memos.
#include "Calculator.h"
#include "CalendarEvents.h"
#include "FakePlatform.h"
#include "InfoForm.h"
#include "PlanetSheet.h"
#include "ProgramState.h"
#include "QStringPrinter.h"
#include "Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace orbelune {
namespace {

class InfoFormToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetProgramState();
        Settings.ShowInfoFormAtStartup = false;
        Fakes.Clock.Value = 46000.75;
        Events.SetDate(46000.0);
    }
    void TearDown() override {
        Form.reset();
        test::ResetProgramState();
    }
    TInfoForm& Open() {
        Form = std::make_unique<TInfoForm>(Events);
        Form->InfoFormPageControl->setCurrentIndex(ToolsTab);
        Form->show();
        QApplication::setActiveWindow(Form.get());
        return *Form;
    }
    QPushButton* Key(const char* Name) {
        return Form->findChild<QPushButton*>(QString::fromLatin1(Name));
    }
    void Type(const QString& Text) {
        for (const QChar c : Text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(Form->ToolsPage->Calculator, &press);
        }
    }

    test::TFakePlatform Fakes;
    TCalendarEvents Events;
    std::unique_ptr<TInfoForm> Form;
};

TEST_F(InfoFormToolsTest, KeysConvertTheShownNumberWithItsOwnSign) {
    TInfoForm& form = Open();
    TCalculator* calculator = form.ToolsPage->Calculator;
    ASSERT_EQ(form.ToolsPage->ConverterButtons.size(), 20u);
    Type(QStringLiteral("10"));
    calculator->ChangeSign();
    Key("CToFBut")->click();
    EXPECT_EQ(calculator->Text(), "14");
    EXPECT_TRUE(calculator->hasFocus());
    calculator->SetText(QStringLiteral("-1"));
    Key("KgToLbBut")->click();
    EXPECT_EQ(calculator->Text(), "-2.20462262184878");
    Type(QStringLiteral("2/0="));
    Key("MiToKmBut")->click();  // not a number: nothing
    EXPECT_EQ(calculator->Text(), "Cannot divide by zero");
    Key("PiButton")->click();
    EXPECT_EQ(calculator->Text(), "3.14159265358979");
    Key("CopyBut")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3.14159265358979");
    QGuiApplication::clipboard()->setText(QStringLiteral("2"));
    Key("PasteBut")->click();
    Key("ASinBut")->click();
    EXPECT_EQ(calculator->Text(), "NAN");
}

TEST_F(InfoFormToolsTest, TheShownNumberIsKeptBetweenRuns) {
    Settings.NumberInCalculator = -1.5L;
    TInfoForm& form = Open();
    EXPECT_EQ(form.ToolsPage->Calculator->Text(), "-1.5");
    Type(QStringLiteral("42"));
    QApplication::setActiveWindow(nullptr);  // deactivation keeps it
    EXPECT_EQ(Settings.NumberInCalculator, 42.0L);
    QApplication::setActiveWindow(Form.get());
    Type(QStringLiteral("/0="));
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(Settings.NumberInCalculator, 42.0L);
}

TEST_F(InfoFormToolsTest, TheSharedMenuServesTheMemos) {
    TInfoForm& form = Open();
    QPlainTextEdit* memo = form.PlanetPage->PlanetsMemo;
    memo->setPlainText(QStringLiteral("Sun    123.4"));
    memo->setFocus();
    form.CutPastePopupMenu->SelectAll1Click();
    form.CutPastePopupMenu->CopyToClipboard1Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Sun    123.4");
    EXPECT_EQ(memo->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(form.ToolsPage->Calculator->contextMenuPolicy(), Qt::CustomContextMenu);
}

}  // namespace
}  // namespace orbelune
