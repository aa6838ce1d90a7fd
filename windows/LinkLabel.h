#pragma once
// A label that works as a web link: navy, bold and underlined with a hand cursor,
// red while the mouse is over it, and a click signal.

#include <QLabel>

namespace orbelune {

class TLinkLabel final : public QLabel {
    Q_OBJECT

public:
    TLinkLabel(const QString& Caption, const QString& Name, QWidget* Parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    void SetColor(const QColor& Color);
};

}  // namespace orbelune
