#pragma once
// The embedded web browser as the windows use it. The browser itself (Qt WebEngine) is a
// plugin, orbelune_webview, that lies next to the program and is loaded when a page is
// first needed: until then the program carries no web engine, in memory or in
// processes.

#include <QString>
#include <QUrl>
#include <QtPlugin>

#include <functional>

class QPrinter;
class QWidget;

namespace orbelune {

// How a page load ended: Problem is empty when the page came, else it says why not
// ("the server refused the connection", "HTTP 404", ...).
struct TPageLoad {
    QUrl Address;
    QString Problem;
};

class TEmbeddedBrowser {
public:
    virtual ~TEmbeddedBrowser() = default;
    // The browser's window: a child of the parent it was made in, which deletes it.
    virtual QWidget* Widget() = 0;
    // Opens Url, asking the server again rather than the cache.
    virtual void Navigate(const QUrl& Url) = 0;
    // Back and forward in the browser's history; nothing when there is no such page.
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    // Loads the page again, not from the cache.
    virtual void Refresh() = 0;
    // The address of the page shown.
    virtual QUrl LocationURL() const = 0;
    // Handler runs on the user-interface thread whenever a page load has ended, with
    // how it ended.
    virtual void OnNavigateComplete(std::function<void(const TPageLoad&)> Handler) = 0;
    // Prints the page shown on Printer and returns at once; Done runs on the
    // user-interface thread when the printing has ended (false when it failed, or at
    // once when another printing still runs). Printer must live until then.
    virtual void Print(QPrinter* Printer, std::function<void(bool)> Done) = 0;
    // How long the page may stay out of sight before the engine lets it go: its
    // renderer ends and most of its memory is given back, its history is kept, and it
    // loads again when it is next shown.
    virtual void SetHiddenRelease(int Milliseconds) = 0;
};

// What the plugin offers.
class TEmbeddedBrowserFactory {
public:
    virtual ~TEmbeddedBrowserFactory() = default;
    virtual TEmbeddedBrowser* CreateBrowser(QWidget* Parent) = 0;
};

// Why no browser is started, or empty. The web engine's sandbox does not run for the
// superuser, and the engine then ends the whole program; as root it starts only when its
// sandbox was switched off on purpose (QTWEBENGINE_DISABLE_SANDBOX).
QString BrowserRefusal(bool Superuser, bool SandboxSwitchedOff);

// A browser made in Parent by the plugin (loaded at the first call); null when the
// plugin is missing or cannot be loaded or may not start, and Problem then says why.
TEmbeddedBrowser* CreateEmbeddedBrowser(QWidget* Parent, QString& Problem);

}  // namespace orbelune

#define ORBELUNE_EMBEDDED_BROWSER_IID "org.orbelune.EmbeddedBrowserFactory/1.2"
Q_DECLARE_INTERFACE(orbelune::TEmbeddedBrowserFactory, ORBELUNE_EMBEDDED_BROWSER_IID)
