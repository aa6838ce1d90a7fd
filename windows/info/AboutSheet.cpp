#include "AboutSheet.h"

#include "AboutTabTexts.h"
#include "LinkLabel.h"
#include "NamedWidget.h"
#include "ScrolledPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelune {

TAboutSheet::TAboutSheet(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("AboutSheet"));
    QWidget* content = ScrolledPage(this, QStringLiteral("AboutSheetContent"));
    auto* column = new QVBoxLayout(content);

    Lab2 = Named(new QLabel(content), "Lab2");
    QFont title = Lab2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    Lab2->setFont(title);
    AboutTextLab = Named(new QLabel(content), "AboutTextLab");
    AboutTextLab->setWordWrap(true);
    column->addWidget(Lab2);
    column->addWidget(AboutTextLab);

    auto* links = new QGridLayout;
    EmailCaptionLab = Named(new QLabel(content), "EmailCaptionLab");
    EmailLab = new TLinkLabel(QString(), QStringLiteral("EmailLab"), content);
    EmailBut = Named(new QPushButton(QStringLiteral("Send Email"), content), "EmailBut");
    HomePageCaptionLab = Named(new QLabel(content), "HomePageCaptionLab");
    HomePageLab = new TLinkLabel(QString(), QStringLiteral("HomePageLab"), content);
    HomePageBut = Named(new QPushButton(QStringLiteral("Home Page"), content), "HomePageBut");
    links->addWidget(EmailCaptionLab, 0, 0);
    links->addWidget(EmailLab, 0, 1);
    links->addWidget(EmailBut, 0, 2);
    links->addWidget(HomePageCaptionLab, 1, 0);
    links->addWidget(HomePageLab, 1, 1);
    links->addWidget(HomePageBut, 1, 2);
    links->setColumnStretch(3, 1);
    column->addLayout(links);
    column->addStretch(1);
}

void TAboutSheet::ShowTexts(const TAboutTexts& Texts) {
    Lab2->setText(Texts.ProgramLine);
    AboutTextLab->setText(Texts.Description);
    EmailCaptionLab->setText(Texts.SupportCaption);
    EmailLab->setText(Texts.SupportAddress);
    HomePageCaptionLab->setText(Texts.HomePageCaption);
    HomePageLab->setText(Texts.HomePageAddress);
}

}  // namespace orbelune
