#pragma once
// Fakes of the platform seams, installed for the lifetime of a TFakePlatform.

#include "PlatformSeams.h"

#include <QList>
#include <QPrinter>
#include <QStringList>
#include <QUrl>

#include <atomic>
#include <optional>
#include <stdexcept>

namespace orbelune::test {

class TFakeNow final : public TNowSource {
public:
    // Atomic: a test moves the clock while a worker may be reading it.
    std::atomic<TDateTime> Value{0.0};
    TDateTime Now() const override { return Value; }
};

class TFakeMail final : public TMailSender {
public:
    QList<TMailMessage> Sent;
    int Result = 0;
    bool Throw = false;
    int Send(const TMailMessage& message) override {
        if (Throw) throw std::runtime_error("mail program crashed");
        Sent.append(message);
        return Result;
    }
};

// Keeps the addresses; Result false plays a desktop without a browser.
class TFakeUrls final : public TUrlOpener {
public:
    QList<QUrl> Opened;
    bool Result = true;
    bool Open(const QUrl& url) override {
        Opened.append(url);
        return Result;
    }
};

// Keeps each box as "caption: text", with its owner and icon (none for a question).
class TFakeMessages final : public TMessageBoxes {
public:
    QStringList Shown;
    QList<QWidget*> Owners;
    QList<std::optional<TMessageIcon>> Icons;
    bool Answer = true;
    void Inform(QWidget* Owner, TMessageIcon Icon, const QString& Caption,
                const QString& Text) override {
        Keep(Owner, Icon, Caption, Text);
    }
    bool Confirm(QWidget* Owner, const QString& Caption, const QString& Text) override {
        Keep(Owner, std::nullopt, Caption, Text);
        return Answer;
    }

private:
    void Keep(QWidget* Owner, std::optional<TMessageIcon> Icon, const QString& Caption,
              const QString& Text) {
        Shown << Caption + ": " + Text;
        Owners << Owner;
        Icons << Icon;
    }
};

// Keeps the requests; answers with Choice (the chosen name and filter index) unless
// Cancel.
class TFakeFileDialogs final : public TFileDialogs {
public:
    QList<TFileDialogRequest> Asked;
    bool Cancel = false;
    QString ChosenName;
    int ChosenIndex = 1;
    bool RunFileDialog(QWidget*, TFileDialogRequest& Request) override {
        Asked << Request;
        if (Cancel) return false;
        Request.FileName = ChosenName;
        Request.FilterIndex = ChosenIndex;
        return true;
    }
};

// Confirms unless Cancel, with the printer writing a PDF to PdfFile (at Resolution dots
// an inch when it is set).
class TFakePrintDialogs final : public TPrintDialogs {
public:
    int Asked = 0;
    bool Cancel = false;
    QString PdfFile;
    int Resolution = 0;
    bool Confirm(QWidget*, QPrinter& Printer) override {
        ++Asked;
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setOutputFileName(PdfFile);
        if (Resolution > 0) Printer.setResolution(Resolution);
        return !Cancel;
    }
};

// Answers every query with Answer, and keeps the servers asked.
class TFakeTimeQuery final : public TInternetTimeQuery {
public:
    QStringList Asked;
    TTimeQueryResult Answer;
    TTimeQueryResult Query(const QString& Server) override {
        Asked << Server;
        return Answer;
    }
};

// Records the steps asked for and whether each could ask the user; never touches the
// machine's clock.
class TFakeClockSetter final : public TClockSetter {
public:
    bool Synchronized = false;
    TClockSetResult Result{true, QString()};
    QList<double> Steps;
    QList<bool> Interactive;
    bool SynchronizedBySystem() override { return Synchronized; }
    TClockSetResult StepBy(double OffsetSeconds, bool AskUser) override {
        Steps << OffsetSeconds;
        Interactive << AskUser;
        return Result;
    }
};

class TFakePlatform {
public:
    TFakeNow Clock;
    TFakeMail Mail;
    TFakeUrls Urls;
    TFakeMessages Messages;
    TFakeFileDialogs FileDialogs;
    TFakePrintDialogs PrintDialogs;
    TFakeTimeQuery TimeQuery;
    TFakeClockSetter ClockSetter;

    TFakePlatform() : saved_(Platform()) {
        Platform() = {&Clock,       &Mail,         &Urls,      &Messages,
                      &FileDialogs, &PrintDialogs, &TimeQuery, &ClockSetter};
    }
    ~TFakePlatform() { Platform() = saved_; }
    TFakePlatform(const TFakePlatform&) = delete;
    TFakePlatform& operator=(const TFakePlatform&) = delete;

private:
    TPlatform saved_;
};

}  // namespace orbelune::test
