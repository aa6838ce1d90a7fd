#pragma once
// The "Save", "Copy" and "Print" buttons of a picture tab (Radar, Satellite, Graph,
// Year), side by side and no wider than their captions. The information window connects
// them to its commands, which act on the tab shown; the buttons are named
// <Prefix>SaveBut, <Prefix>CopyBut and <Prefix>PrintBut.

#include <QWidget>

class QToolButton;

namespace orbelune {

class TImageCommandRow final : public QWidget {
    Q_OBJECT

public:
    TImageCommandRow(const QString& Prefix, QWidget* Parent);

    QToolButton* SaveBut = nullptr;
    QToolButton* CopyBut = nullptr;
    QToolButton* PrintBut = nullptr;
};

}  // namespace orbelune
