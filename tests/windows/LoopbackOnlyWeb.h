#pragma once
// Keeps the embedded browser on this machine in tests: every request for a host other
// than 127.0.0.1 is blocked, and its address kept, so that a test can check what a
// forecast page would have opened.

#include <QList>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace orbelune::test {

class TLoopbackOnlyWeb final : public QWebEngineUrlRequestInterceptor {
public:
    explicit TLoopbackOnlyWeb(QWebEngineProfile* Profile) : profile_(Profile) {
        Profile->setUrlRequestInterceptor(this);
    }
    ~TLoopbackOnlyWeb() override { profile_->setUrlRequestInterceptor(nullptr); }

    // Runs on the user-interface thread.
    void interceptRequest(QWebEngineUrlRequestInfo& Info) override {
        if (Info.requestUrl().host() == QLatin1String("127.0.0.1")) return;
        Blocked << Info.requestUrl();
        Info.block(true);
    }

    QList<QUrl> Blocked;

private:
    QWebEngineProfile* profile_;
};

}  // namespace orbelune::test
