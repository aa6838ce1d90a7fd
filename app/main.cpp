// The program: the desktop's message boxes, the internet time query and the system
// clock setter in the platform seams, the clock window and the information window, the
// first display, the clock timer and the message loop. The clock window takes the
// information window and connects the two; neither knows a global of the other.
#include "CalendarEvents.h"
#include "ClockForm.h"
#include "DesktopMessageBoxes.h"
#include "InfoForm.h"
#include "SntpClient.h"
#ifdef Q_OS_LINUX
#include "LinuxClockSetter.h"
#endif

#include <QApplication>
#include <QTimer>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbelune"));
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace orbelune;
    Platform().Messages = &DesktopMessageBoxes();
    // The server comes from the settings with every query.
    TSntpClient timeQuery;
    Platform().TimeQuery = &timeQuery;
#ifdef Q_OS_LINUX
    TLinuxClockSetter clockSetter;
    Platform().ClockSetter = &clockSetter;
#endif
    auto form1 = std::make_unique<TForm1>();
    form1->FormCreate(QApplication::arguments());
    auto infoForm = std::make_unique<TInfoForm>(*form1->Events);
    form1->AttachInfoForm(infoForm.get());
    form1->UpdateDisplays();
    form1->ShowAtStartup();
    form1->Timer1->start();
    const int result = app.exec();

    form1->FormDestroy();
    infoForm.reset();
    return result;
}
