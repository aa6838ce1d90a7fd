// The Tools tab's word look-ups: dictionary, thesaurus, web search and encyclopedia,
// each box keeping the run's words.
#include "InfoForm.h"

#include "EditMenu.h"
#include "LinkLabel.h"
#include "LookupGroups.h"
#include "ReferencePages.h"
#include "ToolsSheet.h"

#include <QComboBox>
#include <QPushButton>

namespace orbelune {

void TInfoForm::createLookupGroups() {
    LookupPage = new TLookupGroups(ToolsPage);
    ToolsPage->AddGroups(LookupPage);
    for (QComboBox* box : {LookupPage->DictionaryComboBox, LookupPage->GoogleComboBox})
        CutPastePopupMenu->Attach(box, TEditRole::ComboBox);
    connect(LookupPage->DictionaryBut, &QPushButton::clicked, this, &TInfoForm::DictionaryButClick);
    connect(LookupPage->MerriamWebsterImage, &TLinkLabel::clicked, this,
            &TInfoForm::DictionaryButClick);
    connect(LookupPage->ThesaurusBut, &QPushButton::clicked, this, &TInfoForm::ThesaurusButClick);
    connect(LookupPage->GoogleBut, &QPushButton::clicked, this, &TInfoForm::GoogleButClick);
    connect(LookupPage->GoogleImage, &TLinkLabel::clicked, this, &TInfoForm::GoogleButClick);
    connect(LookupPage->GoogleLuckyBut, &QPushButton::clicked, this,
            &TInfoForm::GoogleLuckyButClick);
    connect(LookupPage->WikiBut, &QPushButton::clicked, this, &TInfoForm::WikiButClick);
}

void TInfoForm::LookUp(QComboBox* Box, TLookup Kind) {
    const QString word = Box->currentText();
    if (word.isEmpty()) return;
    QStringList history;
    for (int i = 0; i < Box->count(); ++i) history << Box->itemText(i);
    if (!ComboHasItem(history, word)) {
        Box->insertItem(0, word);
        Box->setEditText(word);
    }
    GoBrowser(LookupAddress(Kind, Box->currentText()));
}

void TInfoForm::DictionaryButClick() {
    LookUp(LookupPage->DictionaryComboBox, TLookup::Dictionary);
}

void TInfoForm::ThesaurusButClick() {
    LookUp(LookupPage->DictionaryComboBox, TLookup::Thesaurus);
}

void TInfoForm::GoogleButClick() {
    LookUp(LookupPage->GoogleComboBox, TLookup::Search);
}

void TInfoForm::GoogleLuckyButClick() {
    LookUp(LookupPage->GoogleComboBox, TLookup::FeelingLucky);
}

void TInfoForm::WikiButClick() {
    LookUp(LookupPage->WikiComboBox, TLookup::Encyclopedia);
}

}  // namespace orbelune
