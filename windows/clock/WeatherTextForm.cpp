#include "WeatherTextForm.h"

#include "DateTimeRtl.h"
#include "EngineText.h"
#include "ReportFields.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orbelune {

namespace {

constexpr int ClientWidth = 490;
constexpr int ClientHeight = 256;

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
           FromEngineText(DateTimeToString(ToEngineText(format), ReportTimeLocal));
}

TForm6::TForm6(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Weather"));
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
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
