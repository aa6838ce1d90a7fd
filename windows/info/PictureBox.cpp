#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace orbelune {

TPictureBox::TPictureBox(QWidget* Parent) : QWidget(Parent) {
    setMouseTracking(true);
    // Every pixel is painted: nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPictureBox::SetPicture(const QImage& Picture) {
    picture_ = Picture;
    if (size() != picture_.size()) {
        setFixedSize(picture_.size());
        updateGeometry();
    }
    update();
}

void TPictureBox::paintEvent(QPaintEvent* Event) {
    QPainter painter(this);
    const QRect dirty = Event->rect();
    // A picture smaller than the widget (none yet) leaves the rest dark.
    if (!picture_.rect().contains(dirty)) painter.fillRect(dirty, Qt::black);
    painter.drawImage(dirty, picture_, dirty);
}

void TPictureBox::mouseMoveEvent(QMouseEvent* Event) {
    emit MouseMoved(Event->position().toPoint());
}

void TPictureBox::mousePressEvent(QMouseEvent* Event) {
    emit MousePressed(Event->button(), Event->position().toPoint());
}

}  // namespace orbelune
