#include "ImageCommandRow.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace orbelune {

TImageCommandRow::TImageCommandRow(const QString& Prefix, QWidget* Parent) : QWidget(Parent) {
    setObjectName(Prefix + QStringLiteral("Commands"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const auto button = [&](const char* Name, const QString& Caption, const QString& Hint) {
        auto* b = new QToolButton(this);
        b->setObjectName(Prefix + QLatin1String(Name));
        b->setText(Caption);
        b->setToolTip(Hint);
        row->addWidget(b);
        return b;
    };
    SaveBut =
        button("SaveBut", QStringLiteral("Save"), QStringLiteral("Save the picture to a file"));
    CopyBut = button("CopyBut", QStringLiteral("Copy"), QStringLiteral("Copy the picture"));
    PrintBut = button("PrintBut", QStringLiteral("Print"), QStringLiteral("Print the picture"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

}  // namespace orbelune
