#include "WeatherTextForm.h"

#include "DateFormats.h"
#include "PlainTextFit.h"
#include "ReportFields.h"
#include "WindowGeometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace orbelune {

namespace {

constexpr int ClientWidth = 490;
constexpr int ClientHeight = 256;
// Room beside the caption for the window manager's buttons.
constexpr int TitleButtonsAllowance = 120;

}  // namespace

QStringList WeatherWindowLines(const QStringList& ReportLines) {
    QStringList lines = ReportLines;
    if (lines.size() >= 2) {
        lines[0] += lines[1];
        lines.removeAt(1);
    }
    return lines;
}

QString WeatherWindowCaption(std::optional<int> AgeMinutes, TDateTime ReportTimeLocal,
                             bool UseMilitaryTime, const QString& DateFormatLong) {
    if (!AgeMinutes) return QStringLiteral("Weather");
    const QString format =
        (UseMilitaryTime ? QStringLiteral("hh:nn ") : QStringLiteral("hh:nn AM/PM ")) +
        DateFormatLong;
    return QStringLiteral("Weather ") + AgeText(*AgeMinutes) + QStringLiteral(" at ") +
           FormatLocaleDateTime(format, ReportTimeLocal);
}

TForm6::TForm6(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Weather"));
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
    ShowReport({QStringLiteral("No weather report has arrived yet.")}, QStringLiteral("Weather"));
}

void TForm6::CreateControls() {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    CloseBut = new QPushButton(QStringLiteral("Close"), this);
    CloseBut->setObjectName(QStringLiteral("CloseBut"));
    connect(CloseBut, &QPushButton::clicked, this, &TForm6::CloseButClick);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addStretch();
    bottom->addWidget(CloseBut);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(bottom);
}

void TForm6::ShowReport(const QStringList& Lines, const QString& Caption) {
    Memo1->setPlainText(Lines.join(QLatin1Char('\n')));
    setWindowTitle(Caption);
    Label1->setText(windowTitle());
    FitToContents();
}

// At least the designed size, and as large as the report, the label beside the button
// and the caption need, up to the available area of the screen; the window's centre
// stays where it was.
void TForm6::FitToContents() {
    const QMargins margins = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    const QSize memo = PlainTextFit(Memo1);
    const int bottomRow = Label1->sizeHint().width() + spacing + CloseBut->sizeHint().width();
    const int caption =
        QFontMetrics(font()).horizontalAdvance(windowTitle()) + TitleButtonsAllowance;
    QSize wanted(std::max(ClientWidth, std::max({memo.width(), bottomRow,
                                                 caption - margins.left() - margins.right()}) +
                                           margins.left() + margins.right()),
                 std::max(ClientHeight,
                          memo.height() + spacing +
                              std::max(Label1->sizeHint().height(), CloseBut->sizeHint().height()) +
                              margins.top() + margins.bottom()));
    const QRect area = AvailableAreaFor(frameGeometry());
    if (!area.isEmpty()) wanted = wanted.boundedTo(area.size());
    const QPoint centre = geometry().center();
    setFixedSize(wanted);
    if (isVisible()) {
        QRect placed(QPoint(), wanted);
        placed.moveCenter(centre);
        move(placed.topLeft() - (geometry().topLeft() - frameGeometry().topLeft()));
        KeepOnScreen(this);
    }
}

void TForm6::showEvent(QShowEvent* event) {
    if (!Centred_) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        Centred_ = true;
    }
    QWidget::showEvent(event);
}

void TForm6::CloseButClick() {
    hide();
}

}  // namespace orbelune
