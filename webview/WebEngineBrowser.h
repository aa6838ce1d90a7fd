#pragma once
// The embedded browser over Qt WebEngine, built as the plugin orbelune_webview. Its
// pages share one profile that keeps cookies and cache in memory for the run only.

#include "EmbeddedBrowser.h"

#include <QObject>

namespace orbelune {

class TWebEngineBrowserFactory final : public QObject, public TEmbeddedBrowserFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ORBELUNE_EMBEDDED_BROWSER_IID)
    Q_INTERFACES(orbelune::TEmbeddedBrowserFactory)

public:
    TEmbeddedBrowser* CreateBrowser(QWidget* Parent) override;
};

}  // namespace orbelune
