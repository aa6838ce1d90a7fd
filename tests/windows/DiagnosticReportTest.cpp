#include "DiagnosticReport.h"
#include "FakePlatform.h"
#include "HelpForm.h"
#include "ScopedZone.h"
#include "TextHelpers.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTimeZone>

#include <stdexcept>

namespace orbelune {
namespace {

using test::TFakePlatform;

class TFakeReportSystem final : public TReportSystem {
public:
    QString Product = "Debian GNU/Linux 12 (bookworm)";
    QString ServicePack;
    QString Edition;
    std::optional<QSize> Screen = QSize(1920, 1080);
    bool ThrowOnOs = false;
    QString ProgramPath;
    bool HasVersion = true;
    bool ThrowOnTls = false;

    QString OsProductName() const override {
        if (ThrowOnOs) throw std::runtime_error("no system information");
        return Product;
    }
    QString OsServicePack() const override { return ServicePack; }
    QString OsEdition() const override { return Edition; }
    std::optional<QSize> ScreenSize() const override { return Screen; }
    QString ProgramFilePath() const override { return ProgramPath; }
    bool GetFileVersionInfoRecord(const QString&, ExeFileInfoType& info) const override {
        if (!HasVersion) return false;
        info.FileVersion = "1.2.3";
        return true;
    }
    QString TlsBackend() const override {
        if (ThrowOnTls) throw std::runtime_error("no TLS");
        return "openssl";
    }
    QString TlsLibraryVersion() const override { return "OpenSSL 3.0.11 19 Sep 2023"; }
};

// A program file of known contents and modification time (UTC, read in UTC).
class DiagnosticReport : public testing::Test {
protected:
    void SetUp() override {
        system.ProgramPath = dir.filePath("orbelune");
        QFile file(system.ProgramPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1234567, 'a'));
        file.flush();
        // 2020-03-04 15:05:06 UTC, a Wednesday.
        ASSERT_TRUE(
            file.setFileTime(QDateTime(QDate(2020, 3, 4), QTime(15, 5, 6), QTimeZone::utc()),
                             QFileDevice::FileModificationTime));
    }
    test::TScopedZone zone{"UTC"};
    QTemporaryDir dir;
    TFakeReportSystem system;
    static constexpr TDateTime Now = 45000.5 + 1.0 / 1440.0;  // 2023-03-15 12:01:00
};

TEST_F(DiagnosticReport, ListsTheSystemAndTheProgramFile) {
    const QString folder = dir.path() + "/";
    // The CRC of this file has no published value: its form is checked here and the
    // CRC itself on the standard check value in the next test.
    const QStringList lines = DiagnosticReportLines("Orbelune", Now, system);
    ASSERT_EQ(lines.size(), 17) << lines.join("\n").toStdString();
    EXPECT_EQ(lines[0], "Orbelune Debug Info *** ");
    EXPECT_EQ(lines[1], "March 15, 2023   12:01:00 *** ");
    EXPECT_EQ(lines[2], "Debian GNU/Linux 12 (bookworm) *** ");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Screen Width: 1920 *** ");
    EXPECT_EQ(lines[5], "Screen Height: 1080 *** ");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "orbelune  found in " + folder + " *** ");
    EXPECT_EQ(lines[9], "File Version:  1.2.3 *** ");
    EXPECT_EQ(lines[10], "file size:             1,234,567 bytes *** ");
    EXPECT_EQ(lines[11], "file modified date/time: Wednesday, March 4,  2020,   3:05:06 PM *** ");
    EXPECT_TRUE(lines[12].startsWith("File CRC:  "));
    EXPECT_EQ(lines[12].size(), QString("File CRC:  12345678 *** ").size());
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "TLS backend: openssl *** ");
    EXPECT_EQ(lines[15], "");
    EXPECT_EQ(lines[16], "TLS library: OpenSSL 3.0.11 19 Sep 2023 *** ");
}

TEST_F(DiagnosticReport, TheCrcIsTheStandardCrc32) {
    QFile file(system.ProgramPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("123456789");  // the CRC-32 check value of this text is CBF43926
    file.flush();
    const QStringList lines = DiagnosticReportLines("Orbelune", Now, system);
    EXPECT_TRUE(lines.contains("File CRC:  CBF43926 *** ")) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("file size:" + QString(19, ' ') + "9 bytes *** "));
}

TEST_F(DiagnosticReport, AppendsServicePackAndEditionOnce) {
    system.ServicePack = "SP1";
    system.Edition = "Professional";
    EXPECT_EQ(DiagnosticReportLines("X", Now, system)[2],
              "Debian GNU/Linux 12 (bookworm) Service Pack:  SP1 Professional *** ");
    system.Product = "Windows 7 Professional";
    EXPECT_EQ(DiagnosticReportLines("X", Now, system)[2],
              "Windows 7 Professional Service Pack:  SP1 *** ");
}

TEST_F(DiagnosticReport, LeavesOutGroupsThatFail) {
    system.ThrowOnOs = true;
    system.ThrowOnTls = true;
    system.HasVersion = false;
    const QStringList lines = DiagnosticReportLines("Orbelune", Now, system);
    for (const QString& line : lines) {
        EXPECT_FALSE(line.startsWith("Screen")) << line.toStdString();
        EXPECT_FALSE(line.contains("found in")) << line.toStdString();
        EXPECT_FALSE(line.startsWith("File Version")) << line.toStdString();
        EXPECT_FALSE(line.startsWith("TLS")) << line.toStdString();
    }
    EXPECT_TRUE(lines.contains("file size:             1,234,567 bytes *** "));
}

TEST_F(DiagnosticReport, WithoutAScreenSkipsTheSystemLines) {
    system.Screen = std::nullopt;
    const QStringList lines = DiagnosticReportLines("Orbelune", Now, system);
    EXPECT_FALSE(lines.contains("Debian GNU/Linux 12 (bookworm) *** "));
    EXPECT_EQ(lines[2], "");
}

TEST_F(DiagnosticReport, AMissingProgramFileGivesNoFileDetails) {
    system.ProgramPath = dir.filePath("gone");
    system.HasVersion = false;
    const QStringList lines = DiagnosticReportLines("Orbelune", Now, system);
    for (const QString& line : lines) EXPECT_FALSE(line.startsWith("file ")) << line.toStdString();
}

TEST_F(DiagnosticReport, GoesToTheClipboardAndTheMailProgram) {
    TFakePlatform platform;
    platform.Clock.Value = Now;
    const QString text = BuildDiagnosticReport("Orbelune", "help@example.org", system);
    EXPECT_EQ(text, DiagnosticReportLines("Orbelune", Now, system).join('\n'));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    ASSERT_EQ(platform.Mail.Sent.size(), 1);
    const TMailMessage& m = platform.Mail.Sent.front();
    EXPECT_EQ(m.Subject, "Orbelune Debug Info");
    EXPECT_EQ(m.Body, text);
    EXPECT_EQ(m.RecipientAddress, "help@example.org");
    EXPECT_EQ(m.RecipientName, "help@example.org");
    EXPECT_EQ(m.AttachmentPath, "");
    EXPECT_EQ(m.OriginatorAddress, "");
}

TEST_F(DiagnosticReport, AFailingMailProgramIsSwallowed) {
    TFakePlatform platform;
    platform.Mail.Throw = true;
    EXPECT_NO_THROW(BuildDiagnosticReport("Orbelune", "help@example.org", system));
}

TEST(DesktopReportSystem, DescribesThisMachineAndProgram) {
    const QStringList lines = DiagnosticReportLines("Orbelune", 45000.0, DesktopReportSystem());
    EXPECT_EQ(lines[0], "Orbelune Debug Info *** ");
    EXPECT_TRUE(lines.contains(
        "Screen Width: " + QString::number(QGuiApplication::primaryScreen()->size().width()) +
        " *** "));
    const QFileInfo self(QCoreApplication::applicationFilePath());
    EXPECT_TRUE(lines.contains("file size: " + FormatInt64Thousands(self.size()) + " bytes *** "));
    EXPECT_TRUE(lines.contains("TLS backend: " + QSslSocket::activeBackend() + " *** ") ||
                lines.contains("TLS backend: none *** "));
}

TEST(SendMailViaMAPI, NamesFallBackToAddresses) {
    TFakePlatform platform;
    platform.Mail.Result = -1;
    EXPECT_EQ(SendMailViaMAPI("S", "B", "/tmp/a.txt", "to@example.org", "", "me@example.org", "Me"),
              -1);
    ASSERT_EQ(platform.Mail.Sent.size(), 1);
    const TMailMessage& m = platform.Mail.Sent.front();
    EXPECT_EQ(m.RecipientName, "to@example.org");
    EXPECT_EQ(m.OriginatorName, "Me");
    EXPECT_EQ(m.AttachmentPath, "/tmp/a.txt");
    SendMailViaMAPI("S", "B", "", "", "Nobody", "", "");
    EXPECT_EQ(platform.Mail.Sent.back().RecipientName, "");
}

TEST(SupportCommands, MailTheSupportAddressAndKnowTheHomePage) {
    TFakePlatform platform;
    SendDiagnosticEmail();
    ASSERT_EQ(platform.Mail.Sent.size(), 1);
    EXPECT_EQ(platform.Mail.Sent.front().RecipientAddress, "orbelune-support@example.org");
    EXPECT_EQ(platform.Mail.Sent.front().Subject, "Orbelune Debug Info");
    EXPECT_EQ(HomePageAddress(), "https://orbelune.example.org/");
}

TEST(THelpForm, ShowsTheHelpTextWithItsMenu) {
    QAction sendEmail("&Send Email");
    QAction homePage("&Home Page");
    THelpForm form(true, &sendEmail, &homePage);
    EXPECT_EQ(form.windowTitle(), "Orbelune Help");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* memo = form.findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo->toPlainText(), BuiltInHelpText());
    QStringList menu;
    for (QAction* a : form.menuBar()->actions()) menu << a->text();
    EXPECT_EQ(menu, (QStringList{"Close", "&Send Email", "&Home Page"}));

    form.show();
    ASSERT_TRUE(form.isVisible());
    form.findChild<QAction*>("Close1")->trigger();
    EXPECT_FALSE(form.isVisible());

    THelpForm normal(false, nullptr, nullptr);
    EXPECT_FALSE(normal.windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace
}  // namespace orbelune
