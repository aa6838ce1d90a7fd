#include "EmbeddedBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace orbelune {

TEmbeddedBrowser* CreateEmbeddedBrowser(QWidget* Parent, QString& Problem) {
    // Kept for the run: the browsers it made live in the library.
    static QPluginLoader* loader = nullptr;
    if (loader == nullptr)
        loader = new QPluginLoader(QDir(QCoreApplication::applicationDirPath())
                                       .filePath(QStringLiteral("orbelune_webview")),
                                   QCoreApplication::instance());
    auto* factory = qobject_cast<TEmbeddedBrowserFactory*>(loader->instance());
    if (factory == nullptr) {
        Problem = QStringLiteral("The web page viewer could not be loaded (%1).")
                      .arg(loader->errorString());
        return nullptr;
    }
    return factory->CreateBrowser(Parent);
}

}  // namespace orbelune
