#pragma once
// A picture at its own size: the radar and satellite images. It paints the picture it
// was last given and reports the mouse in picture pixels; it keeps no other state.

#include <QImage>
#include <QWidget>

namespace orbelune {

class TPictureBox final : public QWidget {
    Q_OBJECT

public:
    explicit TPictureBox(QWidget* Parent = nullptr);

    // The widget takes the picture's size.
    void SetPicture(const QImage& Picture);
    const QImage& Picture() const { return picture_; }

    QSize sizeHint() const override { return picture_.size(); }

signals:
    void MouseMoved(QPoint At);
    void MousePressed(Qt::MouseButton Button, QPoint At);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    QImage picture_;
};

}  // namespace orbelune
