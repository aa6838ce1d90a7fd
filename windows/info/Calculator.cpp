#include "Calculator.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace orbelune {

TCalculator::TCalculator(QWidget* Parent) : QFrame(Parent) {
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QGridLayout(this);
    layout->setSpacing(3);
    createDisplay(layout);
    createKeys(layout);
}

void TCalculator::createDisplay(QGridLayout* Layout) {
    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("CalculatorDisplay"));
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setAlignment(Qt::AlignRight);
    QFont font = display_->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    display_->setFont(font);
    display_->setText(model_.Display());
    Layout->addWidget(display_, 0, 0, 1, 4);
}

void TCalculator::createKeys(QGridLayout* Layout) {
    const auto operation = [this](TCalcOperation Op) {
        return [this, Op] { model_.Operation(Op); };
    };
    addKey(Layout, QStringLiteral("C"), QStringLiteral("Clear"), QRect(0, 1, 1, 1),
           [this] { model_.Clear(); });
    addKey(Layout, QStringLiteral("\u00B1"), QStringLiteral("ChangeSign"), QRect(1, 1, 1, 1),
           [this] { model_.ChangeSign(); });
    addKey(Layout, QStringLiteral("\u00F7"), QStringLiteral("Divide"), QRect(2, 1, 1, 1),
           operation(TCalcOperation::Divide));
    addKey(Layout, QStringLiteral("\u00D7"), QStringLiteral("Multiply"), QRect(3, 1, 1, 1),
           operation(TCalcOperation::Multiply));
    addKey(Layout, QStringLiteral("\u2212"), QStringLiteral("Subtract"), QRect(3, 2, 1, 1),
           operation(TCalcOperation::Subtract));
    addKey(Layout, QStringLiteral("+"), QStringLiteral("Add"), QRect(3, 3, 1, 1),
           operation(TCalcOperation::Add));
    addKey(Layout, QStringLiteral("="), QStringLiteral("Equals"), QRect(3, 4, 1, 2),
           [this] { model_.Equals(); });
    for (int d = 1; d <= 9; ++d)
        addKey(Layout, QString::number(d), QString::number(d),
               QRect((d - 1) % 3, 4 - (d - 1) / 3, 1, 1), [this, d] { model_.Digit(d); });
    addKey(Layout, QStringLiteral("0"), QStringLiteral("0"), QRect(0, 5, 2, 1),
           [this] { model_.Digit(0); });
    addKey(Layout, QStringLiteral("."), QStringLiteral("Point"), QRect(2, 5, 1, 1),
           [this] { model_.Point(); });
}

QPushButton* TCalculator::addKey(QGridLayout* Layout, const QString& Caption, const QString& Name,
                                 QRect Cell, std::function<void()> Press) {
    auto* key = new QPushButton(Caption, this);
    key->setObjectName(QStringLiteral("CalculatorKey") + Name);
    // The calculator keeps the focus, so typing goes on after a click.
    key->setFocusPolicy(Qt::NoFocus);
    key->setMinimumWidth(key->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
    key->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(key, &QPushButton::clicked, this, [this, Press = std::move(Press)] {
        setFocus(Qt::MouseFocusReason);
        Apply(Press);
    });
    Layout->addWidget(key, Cell.y(), Cell.x(), Cell.height(), Cell.width());
    return key;
}

void TCalculator::Apply(const std::function<void()>& Change) {
    Change();
    display_->setText(model_.Display());
    display_->setCursorPosition(0);
}

void TCalculator::SetText(const QString& Text) {
    Apply([this, &Text] { model_.SetText(Text); });
}

void TCalculator::ChangeSign() {
    Apply([this] { model_.ChangeSign(); });
}

void TCalculator::Clear() {
    Apply([this] { model_.Clear(); });
}

void TCalculator::CopyToClipboard() const {
    QGuiApplication::clipboard()->setText(model_.Display());
}

void TCalculator::PasteFromClipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    Apply([this, &text] { model_.Paste(text); });
}

void TCalculator::keyPressEvent(QKeyEvent* Event) {
    if (Event->matches(QKeySequence::Copy)) return CopyToClipboard();
    if (Event->matches(QKeySequence::Paste)) return PasteFromClipboard();
    std::function<void()> change;
    switch (Event->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
            change = [this] { model_.Equals(); };
            break;
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            change = [this] { model_.Clear(); };
            break;
        case Qt::Key_Backspace:
            change = [this] { model_.Backspace(); };
            break;
        case Qt::Key_F9:
            change = [this] { model_.ChangeSign(); };
            break;
        default:
            break;
    }
    const QString text = Event->text();
    if (!change && text.size() == 1 && !(Event->modifiers() & Qt::ControlModifier)) {
        const QChar c = text.front();
        if (c.isDigit() && c.unicode() < 128)
            change = [this, c] { model_.Digit(c.unicode() - u'0'); };
        else if (c == u'.' || c == u',')
            change = [this] { model_.Point(); };
        else if (c == u'+')
            change = [this] { model_.Operation(TCalcOperation::Add); };
        else if (c == u'-')
            change = [this] { model_.Operation(TCalcOperation::Subtract); };
        else if (c == u'*' || c == u'x' || c == u'X')
            change = [this] { model_.Operation(TCalcOperation::Multiply); };
        else if (c == u'/')
            change = [this] { model_.Operation(TCalcOperation::Divide); };
        else if (c == u'=')
            change = [this] { model_.Equals(); };
    }
    if (!change) return QFrame::keyPressEvent(Event);
    Apply(change);
}

}  // namespace orbelune
