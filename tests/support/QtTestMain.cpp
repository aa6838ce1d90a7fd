// Runs the Qt tests headless, in a fixed locale and in Universal Time (a test that needs
// another zone sets it for itself), with HOME and the configuration folder in a fresh
// temporary folder, so no test touches the user's own settings or autostart entries.
// Network tests talk only to fixture servers on 127.0.0.1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);

    QTemporaryDir home;
    if (!home.isValid()) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    qputenv("TZ", "Etc/UTC");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    // No proxy from the environment may reach the tests' own connections.
    for (const char* name :
         {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "no_proxy"})
        qunsetenv(name);

    // The embedded browser's engine runs here as root, without its sandbox.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return RUN_ALL_TESTS();
}
