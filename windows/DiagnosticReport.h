#pragma once
// The diagnostic report the user e-mails for support, and the commands of the
// support e-mail and the home page.

#include "StDate.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace orbelune {

// A file's version information, in the field order of its resource.
struct ExeFileInfoType {
    QString CompanyName;
    QString FileDescription;
    QString FileVersion;
    QString InternalName;
    QString LegalCopyright;
    QString OriginalFilename;
    QString ProductName;
    QString ProductVersion;
    QString LegalTrademarks;
    QString Comments;
};

// What the report reads from the machine. Any call may throw; the report then leaves
// out the group of lines that needed it.
class TReportSystem {
public:
    virtual ~TReportSystem() = default;
    virtual QString OsProductName() const = 0;
    virtual QString OsServicePack() const = 0;
    virtual QString OsEdition() const = 0;
    virtual std::optional<QSize> ScreenSize() const = 0;  // none without a screen
    virtual QString ProgramFilePath() const = 0;
    virtual bool GetFileVersionInfoRecord(const QString& fileName, ExeFileInfoType& info) const = 0;
    virtual QString TlsBackend() const = 0;
    virtual QString TlsLibraryVersion() const = 0;
};

// The running program on this desktop.
const TReportSystem& DesktopReportSystem();

// The report's lines, each non-empty one ending in " *** ".
QStringList DiagnosticReportLines(const QString& programName, TDateTime now,
                                  const TReportSystem& system);

// Builds the report, puts it on the clipboard and hands it to the mail program for
// `address` with the subject programName + " Debug Info". Returns the report text.
QString BuildDiagnosticReport(const QString& programName, const QString& address,
                              const TReportSystem& system = DesktopReportSystem());

// Hands one message to the mail program: the result of the mail seam, 0 when handed
// over. The originator and recipient names fall back to their addresses.
int SendMailViaMAPI(const QString& subject, const QString& body, const QString& attachmentPath,
                    const QString& recipientAddress, const QString& recipientName,
                    const QString& originatorAddress, const QString& originatorName);

// "&Send Email": the report to the support address.
void SendDiagnosticEmail();
// The program's home page, which "&Home Page" opens.
QString HomePageAddress();

}  // namespace orbelune
