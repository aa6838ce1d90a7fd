#include "PlainTextFit.h"

#include <QFontMetrics>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace orbelune {

QSize PlainTextFit(const QPlainTextEdit* Box) {
    const QFontMetrics metrics(Box->font());
    const QTextDocument* document = Box->document();
    const auto* layout = qobject_cast<const QPlainTextDocumentLayout*>(document->documentLayout());
    int widest = 0;
    qreal height = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        widest = std::max(widest, metrics.horizontalAdvance(block.text()));
        height +=
            layout != nullptr ? layout->blockBoundingRect(block).height() : metrics.lineSpacing();
    }
    const int margin = static_cast<int>(std::ceil(document->documentMargin()));
    const QMargins contents = Box->contentsMargins();  // the frame and any viewport margins
    // The text cursor stands beyond the end of the widest line, and the layout rounds
    // the line's width up.
    const int cursor = Box->cursorWidth() + 1;
    return {widest + 2 * margin + cursor + contents.left() + contents.right(),
            static_cast<int>(std::ceil(height)) + 2 * margin + contents.top() + contents.bottom()};
}

}  // namespace orbelune
