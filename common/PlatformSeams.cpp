#include "PlatformSeams.h"

#include "DateHelpers.h"

#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

namespace orbelune {

namespace {

class TSystemNow final : public TNowSource {
public:
    TDateTime Now() const override { return DateTimeFromQt(QDateTime::currentDateTime()); }
};

// Hands the message to xdg-email, or failing that to the desktop's mailto: handler.
class TDesktopMail final : public TMailSender {
public:
    int Send(const TMailMessage& m) override {
        const QString xdgEmail = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
        if (!xdgEmail.isEmpty()) {
            QStringList args = {QStringLiteral("--subject"), m.Subject, QStringLiteral("--body"),
                                m.Body};
            if (!m.AttachmentPath.isEmpty()) args << QStringLiteral("--attach") << m.AttachmentPath;
            if (!m.RecipientAddress.isEmpty()) args << m.RecipientAddress;
            if (QProcess::startDetached(xdgEmail, args)) return 0;
        }
        QUrl url;
        url.setScheme(QStringLiteral("mailto"));
        url.setPath(m.RecipientAddress);
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), m.Subject);
        query.addQueryItem(QStringLiteral("body"), m.Body);
        url.setQuery(query);
        return QDesktopServices::openUrl(url) ? 0 : -1;
    }
};

class TDesktopUrls final : public TUrlOpener {
public:
    bool Open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

// Until the windows install their message boxes, messages go to the log and nothing is
// confirmed.
class TLoggedMessages final : public TMessageBoxes {
public:
    void Inform(QWidget*, TMessageIcon, const QString& Caption, const QString& Text) override {
        qWarning().noquote() << Caption + QStringLiteral(": ") + Text;
    }
    bool Confirm(QWidget* Owner, const QString& Caption, const QString& Text) override {
        Inform(Owner, TMessageIcon::None, Caption, Text);
        return false;
    }
};

// Until the windows install their dialogs, every dialog counts as cancelled.
class TNoDialogs final : public TFileDialogs, public TPrintDialogs {
public:
    bool RunFileDialog(QWidget*, TFileDialogRequest&) override { return false; }
    bool Confirm(QWidget*, QPrinter&) override { return false; }
};

class TNoTimeQuery final : public TInternetTimeQuery {
public:
    TTimeQueryResult Query(const QString&) override {
        return {false, 0, 0, QStringLiteral("Internet time is not available.")};
    }
};

class TNoClockSetter final : public TClockSetter {
public:
    bool SynchronizedBySystem() override { return false; }
    TClockSetResult StepBy(double, bool) override {
        return {false, QStringLiteral("Setting the clock is not available.")};
    }
};

}  // namespace

TPlatform& Platform() {
    static TSystemNow now;
    static TDesktopMail mail;
    static TDesktopUrls urls;
    static TLoggedMessages messages;
    static TNoDialogs dialogs;
    static TNoTimeQuery timeQuery;
    static TNoClockSetter clockSetter;
    static TPlatform platform{&now,     &mail,    &urls,      &messages,
                              &dialogs, &dialogs, &timeQuery, &clockSetter};
    return platform;
}

}  // namespace orbelune
