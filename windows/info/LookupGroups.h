#pragma once
// The Tools tab's word look-ups: dictionary and thesaurus, web search, encyclopedia.
// Each box's list is the run's history of its words. The information window handles
// the controls (InfoForm_Maps.cpp).

#include <QWidget>

class QComboBox;
class QPushButton;

namespace orbelune {

class TLinkLabel;

class TLookupGroups final : public QWidget {
    Q_OBJECT

public:
    explicit TLookupGroups(QWidget* Parent = nullptr);

    QComboBox* DictionaryComboBox = nullptr;
    QPushButton* DictionaryBut = nullptr;
    QPushButton* ThesaurusBut = nullptr;
    TLinkLabel* MerriamWebsterImage = nullptr;
    QComboBox* GoogleComboBox = nullptr;
    QPushButton* GoogleBut = nullptr;
    QPushButton* GoogleLuckyBut = nullptr;
    TLinkLabel* GoogleImage = nullptr;
    QComboBox* WikiComboBox = nullptr;
    QPushButton* WikiBut = nullptr;
};

}  // namespace orbelune
