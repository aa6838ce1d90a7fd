#include "HelpForm.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

namespace orbelune {

QString BuiltInHelpText() {
    return QStringLiteral(
        "Orbelune shows the time, the date, the moon in its phase, sunrise and sunset, "
        "moonrise and moonset and the outdoor temperature in a small window that stays "
        "on top of the others.\n\n"
        "Right-click the clock window for its menu: the information window, the calendar, "
        "date navigation (next or previous day, month or year, holidays, seasons, moon "
        "phases and eclipses), the display size and the tray icon.\n\n"
        "The information window's tabs hold the moon and the planets, weather reports, "
        "radar and satellite pictures, the time of the world's cities and the internet "
        "time check, the settings, a year calendar, converters and a calculator, a year "
        "graph of day length, the holidays, maps and reference pages.\n\n"
        "Set your place on the Set tab's first page: choose its country, in the United "
        "States its state, and then the place in the list below them; or type a zip code of "
        "the United States and press \"Find City\". The place brings its latitude, "
        "longitude and nearest weather station with it (they cannot be typed). Type the "
        "altitude when you know it, then press \"Save\" to keep the place, or \"Save ALL\" "
        "to keep the place, the station and every setting. Settings are kept when the "
        "program closes while \"Save Settings On Exit\" is checked on the Set tab's second "
        "page.\n\n"
        "For support, use Send Email: it puts a short report about your system on the "
        "clipboard and opens a message to the support address.");
}

THelpForm::THelpForm(bool stayOnTop, QAction* sendEmail, QAction* homePage, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Orbelune Help"));
    setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setPlainText(BuiltInHelpText());
    setCentralWidget(Memo1);

    Close1 = new QAction(QStringLiteral("Close"), this);
    Close1->setObjectName(QStringLiteral("Close1"));
    connect(Close1, &QAction::triggered, this, &THelpForm::Close1Click);
    menuBar()->addAction(Close1);
    if (sendEmail != nullptr) menuBar()->addAction(sendEmail);
    if (homePage != nullptr) menuBar()->addAction(homePage);
    resize(480, 360);
}

void THelpForm::showEvent(QShowEvent* event) {
    CenterOnDesktop();
    QMainWindow::showEvent(event);
}

void THelpForm::Close1Click() {
    close();
}

void THelpForm::CenterOnDesktop() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

}  // namespace orbelune
