#include "RadioGroup.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace orbelune {

QGroupBox* NewRadioGroup(QWidget* Owner, const QString& Name, const QString& First,
                         const QString& Second, std::array<QRadioButton*, 2>& Items,
                         Qt::Orientation Orientation) {
    auto* group = new QGroupBox(Owner);
    group->setObjectName(Name);
    group->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* row = new QBoxLayout(
        Orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, group);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(Orientation == Qt::Horizontal ? row->spacing() : 0);
    Items[0] = new QRadioButton(First, group);
    Items[1] = new QRadioButton(Second, group);
    for (size_t i = 0; i < Items.size(); ++i) {
        Items[i]->setObjectName(Name + QString::number(i));
        row->addWidget(Items[i]);
    }
    return group;
}

}  // namespace orbelune
