#include "GraphPainter.h"

#include <QFontMetrics>

namespace orbelune {

namespace {

// The room of the texts: the scale left of its grid lines, each month name up to the
// next month's line, the footer up to the frame's right side.
int ScaleRoom(const TGraph& Graph) {
    return Graph.GridLines.empty() ? Graph.Left : Graph.GridLines.front().Line.x1() - 2;
}

int MonthRoom(const TGraph& Graph, size_t Month) {
    const int next =
        Month + 1 < Graph.MonthNames.size() ? Graph.MonthLines[Month].x1() : Graph.Right - 1;
    return next - Graph.MonthNames[Month].At.x() - 2;
}

int FooterRoom(const TGraph& Graph) {
    return Graph.Right - 1 - (Graph.Left + 6) - 3;
}

bool TextsFit(const TGraph& Graph, const QFontMetrics& Metrics) {
    for (const TGraphText& text : Graph.ScaleTexts)
        if (Metrics.horizontalAdvance(text.Text) > ScaleRoom(Graph)) return false;
    for (size_t m = 0; m < Graph.MonthNames.size(); ++m)
        if (Metrics.horizontalAdvance(Graph.MonthNames[m].Text) > MonthRoom(Graph, m)) return false;
    for (const TGraphText& text : Graph.Footer)
        if (Metrics.horizontalAdvance(text.Text) > FooterRoom(Graph)) return false;
    return true;
}

void DrawText(QPainter& Painter, const TGraphText& Text, int Room) {
    const QFontMetrics metrics = Painter.fontMetrics();
    Painter.drawText(QRect(Text.At, QSize(Room, metrics.height())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     metrics.elidedText(Text.Text, Qt::ElideRight, Room));
}

}  // namespace

QFont GraphFont(const TGraph& Graph, const QFont& Base) {
    QFont font = Base;
    for (int pixels = 11; pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        if (TextsFit(Graph, QFontMetrics(font))) return font;
    }
    font.setPixelSize(8);
    return font;
}

void PaintGraph(QPainter& Painter, const TGraph& Graph, const QColor& Background,
                const QFont& Font) {
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setFont(Font);
    Painter.fillRect(QRect(QPoint(0, 0), GraphSize), Background);
    Painter.fillRect(
        QRect(QPoint(Graph.Left + 1, GraphTop + 1), QPoint(Graph.Right - 2, GraphBottom - 1)),
        Qt::white);
    for (const QRect& rect : Graph.Night) Painter.fillRect(rect, GraphNightColour);

    const QPen black(Qt::black, 1);
    Painter.setPen(black);
    Painter.drawLines(Graph.Frame.data(), static_cast<int>(Graph.Frame.size()));
    Painter.setPen(GraphCurvePen());
    Painter.drawPolyline(Graph.RiseCurve());
    Painter.drawPolyline(Graph.SetCurve());

    Painter.setPen(QPen(GraphDateLineColour, 1));
    Painter.drawLines(Graph.DateLines.data(), static_cast<int>(Graph.DateLines.size()));
    Painter.setPen(QPen(GraphEventLineColour, 1));
    Painter.drawLines(Graph.EventLines.data(), static_cast<int>(Graph.EventLines.size()));

    for (const TGraphGridLine& grid : Graph.GridLines) {
        Painter.setPen(grid.EastWest ? QPen(GraphEastWestColour, 1) : black);
        Painter.drawLine(grid.Line);
    }
    Painter.setPen(black);
    Painter.setBackgroundMode(Qt::OpaqueMode);
    Painter.setBackground(Background);
    for (const TGraphText& text : Graph.ScaleTexts) DrawText(Painter, text, ScaleRoom(Graph));
    Painter.setBackgroundMode(Qt::TransparentMode);

    for (size_t m = 0; m < Graph.MonthNames.size(); ++m)
        DrawText(Painter, Graph.MonthNames[m], MonthRoom(Graph, m));
    Painter.drawLines(Graph.MonthLines.data(), static_cast<int>(Graph.MonthLines.size()));
    for (const TGraphText& text : Graph.Footer) DrawText(Painter, text, FooterRoom(Graph));
    Painter.restore();
}

QImage GraphImage(const TGraph& Graph, const QColor& Background, const QFont& Font) {
    QImage image(GraphSize, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintGraph(painter, Graph, Background, Font);
    return image;
}

}  // namespace orbelune
