#pragma once
// Gives a new control its component name as it is made: Named(new QLabel(Owner), "Lab1").

#include <QString>

namespace orbelune {

template <typename TWidget>
TWidget* Named(TWidget* Widget, const QString& Name) {
    Widget->setObjectName(Name);
    return Widget;
}

}  // namespace orbelune
