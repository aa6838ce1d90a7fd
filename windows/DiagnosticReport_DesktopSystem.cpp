#include "DiagnosticReport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSslSocket>
#include <QSysInfo>

namespace orbelune {

namespace {

class TDesktopReportSystem final : public TReportSystem {
public:
    // The kernel joins the distribution's name: a desktop has no service pack or edition.
    QString OsProductName() const override {
        return QStringLiteral("%1 (%2 %3, %4)")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                 QSysInfo::currentCpuArchitecture());
    }
    QString OsServicePack() const override { return {}; }
    QString OsEdition() const override { return {}; }

    std::optional<QSize> ScreenSize() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) return std::nullopt;
        return screen->size();
    }

    QString ProgramFilePath() const override { return QCoreApplication::applicationFilePath(); }

    // Only the running program carries version information: the one it was built with.
    bool GetFileVersionInfoRecord(const QString& fileName, ExeFileInfoType& info) const override {
        const QString version = QCoreApplication::applicationVersion();
        if (version.isEmpty() ||
            QFileInfo(fileName).canonicalFilePath() !=
                QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath())
            return false;
        info = ExeFileInfoType();
        info.CompanyName = QCoreApplication::organizationName();
        info.FileDescription = QCoreApplication::applicationName();
        info.FileVersion = version;
        info.InternalName = QCoreApplication::applicationName();
        info.OriginalFilename = QFileInfo(fileName).fileName();
        info.ProductName = QCoreApplication::applicationName();
        info.ProductVersion = version;
        return true;
    }

    QString TlsBackend() const override { return QSslSocket::activeBackend(); }
    QString TlsLibraryVersion() const override { return QSslSocket::sslLibraryVersionString(); }
};

}  // namespace

const TReportSystem& DesktopReportSystem() {
    static const TDesktopReportSystem system;
    return system;
}

}  // namespace orbelune
