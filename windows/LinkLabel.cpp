#include "LinkLabel.h"

#include <QMouseEvent>

namespace orbelune {

namespace {

const QColor ClNavy(0, 0, 128);
const QColor ClRed(255, 0, 0);

}  // namespace

TLinkLabel::TLinkLabel(const QString& Caption, const QString& Name, QWidget* Parent)
    : QLabel(Caption, Parent) {
    setObjectName(Name);
    QFont bold = font();
    bold.setBold(true);
    bold.setUnderline(true);
    setFont(bold);
    setCursor(Qt::PointingHandCursor);
    SetColor(ClNavy);
}

void TLinkLabel::SetColor(const QColor& Color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Color);
    setPalette(colours);
}

void TLinkLabel::enterEvent(QEnterEvent* Event) {
    SetColor(ClRed);
    QLabel::enterEvent(Event);
}

void TLinkLabel::leaveEvent(QEvent* Event) {
    SetColor(ClNavy);
    QLabel::leaveEvent(Event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(Event);
}

}  // namespace orbelune
