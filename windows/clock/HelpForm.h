#pragma once
// The built-in help window, shown when the compiled help file is not found.

#include <QMainWindow>

class QAction;
class QPlainTextEdit;

namespace orbelune {

// The help window's text.
QString BuiltInHelpText();

class THelpForm : public QMainWindow {
    Q_OBJECT

public:
    // sendEmail and homePage are the information window's actions, shared in the menu.
    THelpForm(bool stayOnTop, QAction* sendEmail, QAction* homePage, QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
    QAction* Close1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Close1Click();
    void CenterOnDesktop();
};

}  // namespace orbelune
