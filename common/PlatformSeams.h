#pragma once
// The few places where the program touches the desktop and the system: the time now,
// the mail program, the default browser, message boxes, the file and print dialogs, the
// internet-time query and the system clock. Each is a small interface with a default
// installed; tests install fakes through Platform(). The defaults that need a window
// (message boxes, dialogs) or a later part of the program (the time query, the clock
// setter) answer quietly, "cancelled" or "not available" until the program installs the
// real ones at start-up.

#include "StDate.h"

#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

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
    // True when the desktop took the address (it had a browser or handler to start).
    virtual bool Open(const QUrl& url) = 0;
};

// The picture beside a message: None for a plain notice, Warning for a failure.
enum class TMessageIcon { None, Warning };

// Each box belongs to Owner, the window whose action raised it (null when no window
// did, as at start-up): it stands above that window and the others of the program and
// takes the focus. An owner that is not shown hands the box to a window that is.
class TMessageBoxes {
public:
    virtual ~TMessageBoxes() = default;
    virtual void Inform(QWidget* Owner, TMessageIcon Icon, const QString& Caption,
                        const QString& Text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Confirm(QWidget* Owner, const QString& Caption, const QString& Text) = 0;
};

// What an open or save dialog asks and answers.
struct TFileDialogRequest {
    QString DefaultExt;   // added to a name typed without an extension ("jpg")
    QString Filter;       // "Description|pattern|Description|pattern..."
    bool Open = false;    // an open dialog, else a save dialog
    int FilterIndex = 1;  // 1-based, in and out
    QString FileName;     // the initial text, and the chosen file
    QString Title;
    QString InitialFolder;  // none when empty
};

class TFileDialogs {
public:
    virtual ~TFileDialogs() = default;
    // Shows the dialog over Owner; true with Request's FileName and FilterIndex set to
    // the choice, false when it was cancelled. It never asks about replacing a file.
    virtual bool RunFileDialog(QWidget* Owner, TFileDialogRequest& Request) = 0;
};

class TPrintDialogs {
public:
    virtual ~TPrintDialogs() = default;
    // Lets the user set up Printer over Owner; true when confirmed.
    virtual bool Confirm(QWidget* Owner, QPrinter& Printer) = 0;
};

struct TTimeQueryResult {
    bool Answered = false;
    double OffsetSeconds = 0;
    double DelaySeconds = 0;
    QString Error;
};

class TInternetTimeQuery {
public:
    virtual ~TInternetTimeQuery() = default;
    // Asks Server once and waits (the event loop keeps turning) for the answer or the
    // time-out.
    virtual TTimeQueryResult Query(const QString& Server) = 0;
};

struct TClockSetResult {
    bool Set = false;
    QString Reason;
};

class TClockSetter {
public:
    virtual ~TClockSetter() = default;
    // True when the system keeps its own time (NTP synchronisation is on).
    virtual bool SynchronizedBySystem() = 0;
    // Steps the system clock by OffsetSeconds; Interactive lets the desktop ask for
    // authorisation.
    virtual TClockSetResult StepBy(double OffsetSeconds, bool Interactive) = 0;
};

struct TPlatform {
    TNowSource* Clock;
    TMailSender* Mail;
    TUrlOpener* Urls;
    TMessageBoxes* Messages;
    TFileDialogs* FileDialogs;
    TPrintDialogs* PrintDialogs;
    TInternetTimeQuery* TimeQuery;
    TClockSetter* ClockSetter;
};

// The seams in use; the members may be replaced (the replacement must outlive its use).
TPlatform& Platform();

}  // namespace orbelune
