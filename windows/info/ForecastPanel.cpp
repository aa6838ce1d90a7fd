#include "ForecastPanel.h"

#include "EmbeddedBrowser.h"
#include "ForecastAddress.h"
#include "ForecastCityBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace orbelune {

namespace {

// Both drop-down lists show up to 40 lines.
constexpr int ListLines = 40;

template <typename TWidget>
TWidget* Named(TWidget* Widget, const char* Name) {
    Widget->setObjectName(QString::fromLatin1(Name));
    return Widget;
}

QComboBox* NewList(QWidget* Owner, const char* Name, bool Editable) {
    auto* box = Named(new QComboBox(Owner), Name);
    box->setMaxVisibleItems(ListLines);
    box->setEditable(Editable);
    if (Editable) box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QHBoxLayout* NewRow(QWidget* Row) {
    auto* row = new QHBoxLayout(Row);
    row->setContentsMargins(0, 0, 0, 0);
    return row;
}

}  // namespace

TForecastPanel::TForecastPanel(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("ForecastPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(createSourceRow());
    column->addWidget(createPlaceRow());
    column->addWidget(createAddressRow());
    BrowserArea = Named(new QWidget(this), "BrowserArea");
    auto* area = new QVBoxLayout(BrowserArea);
    area->setContentsMargins(0, 0, 0, 0);
    PageStatusLab = Named(new QLabel(BrowserArea), "PageStatusLab");
    PageStatusLab->setWordWrap(true);
    PageStatusLab->setAlignment(Qt::AlignCenter);
    PageStatusLab->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PageStatusLab->hide();
    area->addWidget(PageStatusLab);
    column->addWidget(BrowserArea, 1);
}

void TForecastPanel::ShowPageStatus(const QString& Text) {
    PageStatusLab->setText(Text);
    PageStatusLab->setVisible(Browser != nullptr && !Text.isEmpty());
    // Alone in the area, the line takes its room and stands in its middle.
    auto* area = static_cast<QVBoxLayout*>(BrowserArea->layout());
    area->setStretchFactor(PageStatusLab, PageShown() ? 0 : 1);
}

void TForecastPanel::ShowPage() {
    if (WebBrowser1 == nullptr || PageShown()) return;
    WebBrowser1->show();
    ShowPageStatus(PageStatusLab->text());
}

bool TForecastPanel::PageShown() const {
    return WebBrowser1 != nullptr && !WebBrowser1->isHidden();
}

QWidget* TForecastPanel::createSourceRow() {
    auto* line = new QWidget(this);
    QHBoxLayout* row = NewRow(line);
    GetWeatherBut = Named(new QPushButton(QStringLiteral("Get Weather"), line), "GetWeatherBut");
    WeatherSourceBox = NewList(line, "WeatherSourceBox", false);
    for (const char* name : ForecastSourceNames)
        WeatherSourceBox->addItem(QString::fromLatin1(name));
    SaveAddressBut = Named(new QPushButton(QStringLiteral("Save Address"), line), "SaveAddressBut");
    GoBrowserBut = Named(new QPushButton(QStringLiteral("Open Browser"), line), "GoBrowserBut");
    row->addWidget(GetWeatherBut);
    row->addWidget(WeatherSourceBox, 1);
    row->addWidget(SaveAddressBut);
    row->addWidget(GoBrowserBut);
    return line;
}

QWidget* TForecastPanel::createPlaceRow() {
    auto* line = new QWidget(this);
    QHBoxLayout* row = NewRow(line);
    CityStateZipTitleLab =
        Named(new QLabel(QStringLiteral("Enter \"City, ST\"  or  Zip Code:"), line),
              "CityStateZipTitleLab");
    CityStateZipEd = Named(new QLineEdit(line), "CityStateZipEd");
    CityStateZipTitleLab->setBuddy(CityStateZipEd);
    ForecastCities = new TForecastCityBoxes(line);
    row->addWidget(CityStateZipTitleLab);
    row->addWidget(CityStateZipEd, 1);
    row->addWidget(ForecastCities, 1);
    // Which of the two inputs shows depends on the source.
    for (QWidget* input :
         {static_cast<QWidget*>(CityStateZipTitleLab), static_cast<QWidget*>(CityStateZipEd),
          static_cast<QWidget*>(ForecastCities)})
        input->hide();
    // The row keeps its height whichever input shows, so the page does not jump.
    line->setMinimumHeight(
        qMax(CityStateZipEd->sizeHint().height(), ForecastCities->sizeHint().height()));
    return line;
}

QWidget* TForecastPanel::createAddressRow() {
    auto* line = new QWidget(this);
    QHBoxLayout* row = NewRow(line);
    BackBut = Named(new QToolButton(line), "BackBut");
    BackBut->setText(QStringLiteral("Back"));
    ForwardBut = Named(new QToolButton(line), "ForwardBut");
    ForwardBut->setText(QStringLiteral("Fwd"));
    RefreshBut = Named(new QPushButton(QStringLiteral("Refresh"), line), "RefreshBut");
    BrowseBox = NewList(line, "BrowseBox", true);
    BrowserGoBut = Named(new QPushButton(QStringLiteral("GO"), line), "BrowserGoBut");
    QFont bold = BrowserGoBut->font();
    bold.setBold(true);
    BrowserGoBut->setFont(bold);
    row->addWidget(BackBut);
    row->addWidget(ForwardBut);
    row->addWidget(RefreshBut);
    row->addWidget(BrowseBox, 1);
    row->addWidget(BrowserGoBut);
    return line;
}

TEmbeddedBrowser* TForecastPanel::CreateBrowser() {
    if (BrowserTried) return Browser;
    BrowserTried = true;
    QString problem;
    Browser = CreateEmbeddedBrowser(BrowserArea, problem);
    if (Browser != nullptr) {
        WebBrowser1 = Browser->Widget();
        WebBrowser1->hide();  // the status line stands in for it until a page opens
        static_cast<QVBoxLayout*>(BrowserArea->layout())->addWidget(WebBrowser1, 1);
        return Browser;
    }
    auto* missing = Named(new QLabel(problem, BrowserArea), "BrowserProblemLab");
    missing->setWordWrap(true);
    missing->setAlignment(Qt::AlignCenter);
    BrowserArea->layout()->addWidget(missing);
    return nullptr;
}

}  // namespace orbelune
