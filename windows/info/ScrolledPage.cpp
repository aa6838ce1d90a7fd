#include "ScrolledPage.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace orbelune {

QWidget* ScrolledPage(QWidget* Page, const QString& Name) {
    auto* scroll = new QScrollArea(Page);
    scroll->setObjectName(Name + QStringLiteral("Scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* pageLayout = new QVBoxLayout(Page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroll);
    auto* content = new QWidget(scroll);
    content->setObjectName(Name);
    scroll->setWidget(content);
    return content;
}

}  // namespace orbelune
