#include "ReferencePages.h"

#include "WebHosts.h"

namespace orbelune {

using enum TWebService;

QString FixedPageAddress(TFixedPage Page, const QString& ZipCode) {
    switch (Page) {
        case TFixedPage::CurrentMoon:
            return WebAddress(UsnoAstronomicalApplications,
                              QStringLiteral("/idltemp/current_moon.php"));
        case TFixedPage::MoonView:
            return WebAddress(MoonView, QStringLiteral("/moon"));
        case TFixedPage::UsnoData:
            return WebAddress(UsnoMain,
                              QStringLiteral("/USNO/astronomical-applications/data-services"));
        case TFixedPage::SkyView:
            return WebAddress(
                SkyView, QStringLiteral("/sky/SkyRedirect.asp?&zipcode=") + UrlEncoded(ZipCode));
        case TFixedPage::WorldClock:
            return WebAddress(WorldClock, QStringLiteral("/worldclock/"));
        case TFixedPage::SkyMaps:
            return WebAddress(SkyMaps, QStringLiteral("/downloads.html"));
    }
    return {};
}

QString LookupAddress(TLookup Kind, const QString& Word) {
    const QString word = UrlEncoded(Word);
    switch (Kind) {
        case TLookup::Dictionary:
            return WebAddress(Dictionary, QStringLiteral("/cgi-bin/dictionary?") + word);
        case TLookup::Thesaurus:
            return WebAddress(Dictionary,
                              QStringLiteral("/cgi-bin/thesaurus?book=Thesaurus&va=") + word);
        case TLookup::Search:
            return WebAddress(GoogleSearch, QStringLiteral("/search?&q=") + word);
        case TLookup::FeelingLucky:
            return WebAddress(GoogleSearch, QStringLiteral("/search?&q=") + word +
                                                QStringLiteral("&btnI=") +
                                                UrlEncoded(QStringLiteral("I'm Feeling Lucky")));
        case TLookup::Encyclopedia:
            return WebAddress(Encyclopedia, QStringLiteral("/wiki/") + word);
    }
    return {};
}

QString SearchHomePage() {
    return WebAddress(GoogleSearch, QStringLiteral("/"));
}

namespace {

QString AsciiUpper(const QString& Text) {
    QString upper = Text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
    return upper;
}

}  // namespace

bool ComboHasItem(const QStringList& Items, const QString& Text) {
    const QString wanted = AsciiUpper(Text);
    for (const QString& item : Items)
        if (AsciiUpper(item) == wanted) return true;
    return false;
}

}  // namespace orbelune
