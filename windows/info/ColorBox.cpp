#include "ColorBox.h"

#include "WinColor.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace orbelune {

TColorBox::TColorBox(QWidget* Parent) : QPushButton(Parent) {
    connect(this, &QPushButton::clicked, this, &TColorBox::AskForColor);
    ShowSwatch();
}

void TColorBox::SetColor(std::int32_t Value) {
    FColor = Value;
    ShowSwatch();
}

void TColorBox::ChooseColor(std::int32_t Value) {
    SetColor(Value);
    emit Changed();
}

void TColorBox::ShowSwatch() {
    const int side = fontMetrics().height();
    QPixmap swatch(2 * side, side);
    swatch.fill(ColorFromWinColor(FColor));
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
}

void TColorBox::AskForColor() {
    const QColor chosen = QColorDialog::getColor(ColorFromWinColor(FColor), this);
    if (chosen.isValid()) ChooseColor(WinColorFromColor(chosen));
}

}  // namespace orbelune
