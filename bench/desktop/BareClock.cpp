// The reference the desktop measurements compare the program with: the smallest tray
// clock Qt makes, an always-on-top window with the time and the date and a tray icon
// with a menu, ticking once a second. It links Qt Widgets alone.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QIcon DiscIcon() {
    QPixmap Picture(32, 32);
    Picture.fill(Qt::transparent);
    QPainter Painter(&Picture);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setBrush(QColor(230, 230, 210));
    Painter.drawEllipse(2, 2, 28, 28);
    return QIcon(Picture);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QWidget Window(nullptr, Qt::WindowStaysOnTopHint);
    Window.setWindowTitle(QStringLiteral("Clock"));
    auto* Time = new QLabel;
    auto* Date = new QLabel;
    QFont Large = Time->font();
    Large.setPointSize(Large.pointSize() * 2);
    Time->setFont(Large);
    auto* Layout = new QVBoxLayout(&Window);
    Layout->addWidget(Time, 0, Qt::AlignCenter);
    Layout->addWidget(Date, 0, Qt::AlignCenter);

    QMenu Menu;
    Menu.addAction(QStringLiteral("Show"), &Window, &QWidget::showNormal);
    Menu.addAction(QStringLiteral("Exit"), &App, &QApplication::quit);
    QSystemTrayIcon Tray(DiscIcon());
    Tray.setContextMenu(&Menu);
    Tray.show();

    const auto Tick = [&] {
        const QDateTime Now = QDateTime::currentDateTime();
        Time->setText(QLocale().toString(Now.time(), QLocale::LongFormat));
        Date->setText(QLocale().toString(Now.date(), QLocale::LongFormat));
        Tray.setToolTip(Time->text());
    };
    QTimer Timer;
    QObject::connect(&Timer, &QTimer::timeout, Tick);
    Timer.start(1000);
    Tick();
    Window.show();
    return App.exec();
}
