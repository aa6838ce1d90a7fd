#include "LookupGroups.h"

#include "LinkLabel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

QGroupBox* NewGroup(QWidget* Owner, const QString& Title, const char* Name) {
    auto* group = new QGroupBox(Title, Owner);
    group->setObjectName(QString::fromLatin1(Name));
    return group;
}

QComboBox* NewWordBox(QWidget* Owner, const char* Name) {
    auto* box = new QComboBox(Owner);
    box->setObjectName(QString::fromLatin1(Name));
    box->setEditable(true);
    // The handlers put each new word first themselves.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QPushButton* NewButton(QWidget* Owner, const QString& Caption, const char* Name) {
    auto* button = new QPushButton(Caption, Owner);
    button->setObjectName(QString::fromLatin1(Name));
    return button;
}

}  // namespace

TLookupGroups::TLookupGroups(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("LookupGroups"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    QGroupBox* dictionary = NewGroup(this, QStringLiteral(" Dictionary "), "DictionaryGroupBox");
    auto* d = new QGridLayout(dictionary);
    DictionaryComboBox = NewWordBox(dictionary, "DictionaryComboBox");
    DictionaryBut = NewButton(dictionary, QStringLiteral("Dictionary"), "DictionaryBut");
    ThesaurusBut = NewButton(dictionary, QStringLiteral("Thesaurus"), "ThesaurusBut");
    MerriamWebsterImage = new TLinkLabel(QStringLiteral("Merriam-Webster"),
                                         QStringLiteral("MerriamWebsterImage"), dictionary);
    d->addWidget(DictionaryComboBox, 0, 0, 1, 3);
    d->addWidget(DictionaryBut, 1, 0);
    d->addWidget(ThesaurusBut, 1, 1);
    d->addWidget(MerriamWebsterImage, 1, 2, Qt::AlignRight);
    column->addWidget(dictionary);

    QGroupBox* google = NewGroup(this, QStringLiteral(" Google Search "), "GoogleGroupBox");
    auto* g = new QGridLayout(google);
    GoogleComboBox = NewWordBox(google, "GoogleComboBox");
    GoogleBut = NewButton(google, QStringLiteral("Search"), "GoogleBut");
    auto* lucky = new QLabel(QStringLiteral("Go directly to first page found:"), google);
    lucky->setObjectName(QStringLiteral("GoogleLuckyLab"));
    GoogleLuckyBut = NewButton(google, QStringLiteral("Feel Lucky"), "GoogleLuckyBut");
    GoogleImage = new TLinkLabel(QStringLiteral("Google"), QStringLiteral("GoogleImage"), google);
    g->addWidget(GoogleComboBox, 0, 0, 1, 3);
    g->addWidget(GoogleBut, 1, 0);
    g->addWidget(GoogleImage, 1, 2, Qt::AlignRight);
    g->addWidget(lucky, 2, 0, 1, 2);
    g->addWidget(GoogleLuckyBut, 2, 2);
    column->addWidget(google);

    QGroupBox* wiki = NewGroup(this, QStringLiteral(" Wikipedia "), "WikiGroupBox");
    auto* w = new QGridLayout(wiki);
    WikiComboBox = NewWordBox(wiki, "WikiComboBox");
    WikiBut = NewButton(wiki, QStringLiteral("Search"), "WikiBut");
    w->addWidget(WikiComboBox, 0, 0);
    w->addWidget(WikiBut, 1, 0, Qt::AlignLeft);
    column->addWidget(wiki);
}

}  // namespace orbelune
