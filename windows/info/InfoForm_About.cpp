// The About tab: its texts, and its e-mail and home-page links and buttons, which do what
// "&Send Email" and "&Home Page" do.
#include "InfoForm.h"

#include "AboutSheet.h"
#include "AboutTabTexts.h"
#include "LinkLabel.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

namespace orbelune {

void TInfoForm::createAboutSheet() {
    AboutPage->ShowTexts(AboutTexts(QCoreApplication::applicationVersion()));
    connect(AboutPage->EmailLab, &TLinkLabel::clicked, SendEmail1, &QAction::trigger);
    connect(AboutPage->EmailBut, &QPushButton::clicked, SendEmail1, &QAction::trigger);
    connect(AboutPage->HomePageLab, &TLinkLabel::clicked, GoToHomePage1, &QAction::trigger);
    connect(AboutPage->HomePageBut, &QPushButton::clicked, GoToHomePage1, &QAction::trigger);
}

}  // namespace orbelune
