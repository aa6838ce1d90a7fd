#include "EmbeddedBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace orbelune {

namespace {

bool RunningAsSuperuser() {
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

}  // namespace

QString BrowserRefusal(bool Superuser, bool SandboxSwitchedOff) {
    if (!Superuser || SandboxSwitchedOff) return {};
    return QStringLiteral(
        "Web pages are not shown when Orbelune runs as the superuser (root): "
        "the web page viewer's sandbox does not allow it. Start Orbelune as "
        "an ordinary user.");
}

TEmbeddedBrowser* CreateEmbeddedBrowser(QWidget* Parent, QString& Problem) {
    Problem = BrowserRefusal(RunningAsSuperuser(),
                             qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
    if (!Problem.isEmpty()) return nullptr;
    // Kept for the run: the browsers it made live in the library.
    static QPluginLoader* loader = nullptr;
    if (loader == nullptr) {
        // Next to the program in the build, in the program's library folder once installed.
        const QDir programFolder(QCoreApplication::applicationDirPath());
        loader = new QPluginLoader(programFolder.filePath(QStringLiteral("orbelune_webview")),
                                   QCoreApplication::instance());
        if (!loader->load())
            loader->setFileName(programFolder.filePath(
                QStringLiteral(ORBELUNE_INSTALLED_PLUGIN_DIR "/orbelune_webview")));
    }
    auto* factory = qobject_cast<TEmbeddedBrowserFactory*>(loader->instance());
    if (factory == nullptr) {
        Problem = QStringLiteral("The web page viewer could not be loaded (%1).")
                      .arg(loader->errorString());
        return nullptr;
    }
    return factory->CreateBrowser(Parent);
}

}  // namespace orbelune
