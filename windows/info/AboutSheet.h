#pragma once
// The About tab: the program line, what the program is, and the support e-mail and home
// page, each as a link and a button. The information window fills the texts and handles
// the links (InfoForm_About.cpp).

#include <QWidget>

class QLabel;
class QPushButton;

namespace orbelune {

class TLinkLabel;
struct TAboutTexts;

class TAboutSheet final : public QWidget {
    Q_OBJECT

public:
    explicit TAboutSheet(QWidget* Parent = nullptr);

    void ShowTexts(const TAboutTexts& Texts);

    QLabel* Lab2 = nullptr;  // the program line
    QLabel* AboutTextLab = nullptr;
    QLabel* EmailCaptionLab = nullptr;
    TLinkLabel* EmailLab = nullptr;
    QPushButton* EmailBut = nullptr;
    QLabel* HomePageCaptionLab = nullptr;
    TLinkLabel* HomePageLab = nullptr;
    QPushButton* HomePageBut = nullptr;
};

}  // namespace orbelune
