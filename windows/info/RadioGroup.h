#pragma once
// A group box of two radio buttons, side by side or one above the other, as the tabs use
// for a choice between two views or ways: the group is named Name and its items
// Name + "0" and Name + "1".

#include <QString>
#include <Qt>

#include <array>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace orbelune {

QGroupBox* NewRadioGroup(QWidget* Owner, const QString& Name, const QString& First,
                         const QString& Second, std::array<QRadioButton*, 2>& Items,
                         Qt::Orientation Orientation = Qt::Horizontal);

}  // namespace orbelune
