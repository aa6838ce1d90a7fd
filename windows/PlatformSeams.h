#pragma once
// The few places where the windows touch the desktop: the time now, the mail program,
// the default browser and message boxes. Each is a small interface with the desktop
// implementation installed by default; tests install fakes through Platform().

#include "StDate.h"

#include <QString>
#include <QUrl>

namespace orbelune {

class TNowSource {
public:
    virtual ~TNowSource() = default;
    virtual TDateTime Now() const = 0;  // local time
};

struct TMailMessage {
    QString Subject;
    QString Body;
    QString AttachmentPath;
    QString RecipientAddress;
    QString RecipientName;
    QString OriginatorAddress;
    QString OriginatorName;
};

class TMailSender {
public:
    virtual ~TMailSender() = default;
    // 0 when the message was handed to a mail program, -1 when none could be started.
    virtual int Send(const TMailMessage& message) = 0;
};

class TUrlOpener {
public:
    virtual ~TUrlOpener() = default;
    virtual bool Open(const QUrl& url) = 0;
};

class TMessageBoxes {
public:
    virtual ~TMessageBoxes() = default;
    virtual void Inform(const QString& caption, const QString& text) = 0;
    virtual bool Confirm(const QString& caption, const QString& text) = 0;
};

struct TPlatform {
    TNowSource* Clock;
    TMailSender* Mail;
    TUrlOpener* Urls;
    TMessageBoxes* Messages;
};

// The seams in use; the members may be replaced (the replacement must outlive its use).
TPlatform& Platform();

}  // namespace orbelune
