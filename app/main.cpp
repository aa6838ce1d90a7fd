// The program: the clock window and the information window, the first display, the
// clock timer and the message loop.
#include "ClockForm.h"
#include "DesktopMessageBoxes.h"
#include "InfoForm.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbelune"));
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace orbelune;
    Platform().Messages = &DesktopMessageBoxes();
    auto* form1 = new TForm1;
    Form1 = form1;
    form1->FormCreate(QApplication::arguments());
    auto* infoForm = new TInfoForm;
    InfoForm = infoForm;
    form1->UpdateDisplays();
    form1->ShowAtStartup();
    form1->Timer1->start();
    const int result = app.exec();

    form1->FormDestroy();
    InfoForm = nullptr;
    delete infoForm;
    delete form1;
    return result;
}
