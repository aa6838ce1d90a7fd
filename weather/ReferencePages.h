#pragma once
// The fixed astronomy and time pages and the word look-ups (dictionary, thesaurus, web
// search, encyclopedia) that the information window opens in the default browser, and
// the case-blind history test of its combo boxes. In: the page or look-up kind and the
// zip code or the word. Out: "http://" + the service's host + its path, the zip code or
// word percent-encoded. QtCore only.

#include <QString>
#include <QStringList>

namespace orbelune {

enum class TFixedPage {
    CurrentMoon,  // "View 1": the naval observatory's picture of the moon now
    MoonView,     // "View 2"
    UsnoData,     // "USNO Data", "US Naval Observatory"
    SkyView,      // "View Sky", for the zip code
    WorldClock,   // "World Clock"
    SkyMaps,      // "Get Sky Map"
};

QString FixedPageAddress(TFixedPage Page, const QString& ZipCode = {});

enum class TLookup { Dictionary, Thesaurus, Search, FeelingLucky, Encyclopedia };

QString LookupAddress(TLookup Kind, const QString& Word);

// The address of the web search engine's home page ("&Google").
QString SearchHomePage();

// True when some item equals Text once both have their ASCII letters upper-cased.
bool ComboHasItem(const QStringList& Items, const QString& Text);

}  // namespace orbelune
