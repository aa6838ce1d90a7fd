#include "WebEngineBrowser.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QTimer>
#include <QWebEngineHttpRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <utility>

// Qt's hook for the context that every OpenGL context of the program shares with;
// the web engine draws through it.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace orbelune {

namespace {

// The web engine shares its graphics with the windows through one OpenGL context that
// Qt makes at start-up only when asked to, which loads the OpenGL driver into every
// run. The plugin makes it now instead, when the first browser is made.
void ShareGraphicsContexts() {
    if (QOpenGLContext::globalShareContext() != nullptr) return;
    auto* context = new QOpenGLContext(qApp);
    // Without OpenGL (a headless run) the engine draws in software and needs none.
    if (!context->create()) {
        delete context;
        return;
    }
    qt_gl_set_global_share_context(context);
}

// Made at its first use and kept until the program ends.
QWebEngineProfile* BrowserProfile() {
    static QWebEngineProfile* profile = nullptr;
    if (profile == nullptr) {
        profile = new QWebEngineProfile(qApp);  // no storage name: off the record
        profile->setObjectName(QStringLiteral("BrowserProfile"));
    }
    return profile;
}

// Chromium's network errors that the user is told in words of their own.
constexpr int ErrAccessDenied = -10;
constexpr int ErrTimedOut = -7;
constexpr int ErrConnectionRefused = -102;
constexpr int ErrNameNotResolved = -105;
constexpr int ErrConnectionTimedOut = -118;
constexpr int ErrNetworkAccessDenied = -138;

// Why a load brought no page, or empty when it did.
QString LoadProblem(const QWebEngineLoadingInfo& Info) {
    if (Info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) return {};
    if (Info.status() == QWebEngineLoadingInfo::LoadStoppedStatus)
        return QStringLiteral("the loading was stopped");
    if (Info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
        return QStringLiteral("the server answered HTTP %1").arg(Info.errorCode());
    switch (Info.errorCode()) {
        case ErrConnectionRefused:
        case ErrAccessDenied:
        case ErrNetworkAccessDenied:
            return QStringLiteral("the connection was refused or blocked");
        case ErrTimedOut:
        case ErrConnectionTimedOut:
            return QStringLiteral("the server did not answer in time");
        case ErrNameNotResolved:
            return QStringLiteral("the server's name is not known");
        default:
            break;
    }
    // Any other error by Chromium's name for it ("net::ERR_CONNECTION_RESET"), in words.
    QString name = Info.errorString();
    name.remove(QStringLiteral("net::ERR_"));
    return name.replace(QLatin1Char('_'), QLatin1Char(' ')).toLower();
}

class TWebEngineBrowser final : public QWebEngineView, public TEmbeddedBrowser {
public:
    explicit TWebEngineBrowser(QWidget* Parent) : QWebEngineView(Parent) {
        setObjectName(QStringLiteral("WebBrowser1"));
        setPage(new QWebEnginePage(BrowserProfile(), this));
        connect(page(), &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& Info) {
                    if (Info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
                    if (handler_) handler_(TPageLoad{Info.url(), LoadProblem(Info)});
                });
        hiddenRelease_.setSingleShot(true);
        hiddenRelease_.setInterval(DefaultHiddenReleaseMs);
        connect(&hiddenRelease_, &QTimer::timeout, this, [this] {
            if (!isVisible()) SetLifecycle(QWebEnginePage::LifecycleState::Discarded);
        });
        connect(this, &QWebEngineView::printFinished, this, [this](bool Success) {
            // Taken first: Done may start the next printing.
            auto done = std::exchange(printed_, nullptr);
            if (done) done(Success);
        });
    }

    QWidget* Widget() override { return this; }

    void Navigate(const QUrl& Url) override {
        QWebEngineHttpRequest request(Url);
        request.setHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
        load(request);
    }

    void GoBack() override { back(); }
    void GoForward() override { forward(); }
    void Refresh() override { triggerPageAction(QWebEnginePage::ReloadAndBypassCache); }
    QUrl LocationURL() const override { return url(); }
    void OnNavigateComplete(std::function<void(const TPageLoad&)> Handler) override {
        handler_ = std::move(Handler);
    }
    void Print(QPrinter* Printer, std::function<void(bool)> Done) override {
        if (printed_) {
            if (Done) Done(false);
            return;
        }
        printed_ = Done ? std::move(Done) : [](bool) {};
        print(Printer);
    }

    void SetHiddenRelease(int Milliseconds) override { hiddenRelease_.setInterval(Milliseconds); }

protected:
    // Out of sight (another tab, a hidden or minimised window) the page is frozen, so it
    // runs no script, and after a while let go; in sight again it is active, and a page
    // that was let go loads again.
    void hideEvent(QHideEvent* Event) override {
        QWebEngineView::hideEvent(Event);
        SetLifecycle(QWebEnginePage::LifecycleState::Frozen);
        hiddenRelease_.start();
    }
    void showEvent(QShowEvent* Event) override {
        hiddenRelease_.stop();
        SetLifecycle(QWebEnginePage::LifecycleState::Active);
        QWebEngineView::showEvent(Event);
    }

private:
    static constexpr int DefaultHiddenReleaseMs = 60000;

    // Only the steps the engine allows: a page that is still in sight stays active,
    // and a page let go is not frozen.
    void SetLifecycle(QWebEnginePage::LifecycleState State) {
        QWebEnginePage* shown = page();
        if (State != QWebEnginePage::LifecycleState::Active && shown->isVisible()) return;
        if (State == QWebEnginePage::LifecycleState::Frozen &&
            shown->lifecycleState() == QWebEnginePage::LifecycleState::Discarded)
            return;
        shown->setLifecycleState(State);
    }

    QTimer hiddenRelease_;
    std::function<void(const TPageLoad&)> handler_;
    std::function<void(bool)> printed_;  // set while a printing runs
};

}  // namespace

TEmbeddedBrowser* TWebEngineBrowserFactory::CreateBrowser(QWidget* Parent) {
    ShareGraphicsContexts();
    return new TWebEngineBrowser(Parent);
}

}  // namespace orbelune
