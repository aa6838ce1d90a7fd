// Only web addresses and the program's own help file are handed to the desktop.
#include "BrowsableAddress.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace orbelune {
namespace {

TEST(BrowsableAddress, WebAddressesPass) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://example.org/a?b=1", "http://example.org/a?b=1"},
        {"HTTPS://Example.org", "https://example.org"},
        {"  https://example.org/p  ", "https://example.org/p"},
        {"http://example.org/a b", "http://example.org/a%20b"},
    };
    for (const auto& [address, url] : cases) {
        const std::optional<QUrl> opened = BrowsableAddress(QString::fromLatin1(address), {});
        ASSERT_TRUE(opened.has_value()) << address;
        EXPECT_EQ(opened->toString(QUrl::FullyEncoded), QString::fromLatin1(url));
    }
}

TEST(BrowsableAddress, OtherSchemesAndPathsAreRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString help = dir.filePath(QStringLiteral("orbelune.chm"));
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString refused[] = {
        QStringLiteral("/usr/bin/xterm"),
        QStringLiteral("xterm"),
        QStringLiteral("file:///etc/passwd"),
        QStringLiteral("/etc/passwd"),
        QStringLiteral("javascript:alert(1)"),
        QStringLiteral("ftp://example.org/"),
        QStringLiteral("mailto:someone@example.org"),
        QStringLiteral("data:text/html,<b>x</b>"),
        QStringLiteral("http://"),
        QStringLiteral("http:///etc/passwd"),
        QStringLiteral(""),
        dir.filePath(QStringLiteral("other.chm")),
        dir.path(),
    };
    for (const QString& address : refused)
        EXPECT_EQ(BrowsableAddress(address, help), std::nullopt) << address.toStdString();
    EXPECT_TRUE(NotBrowsableMessage(QStringLiteral(" /usr/bin/xterm "))
                    .contains(QStringLiteral("\"/usr/bin/xterm\"")));
}

TEST(BrowsableAddress, TheHelpFileOpensAsALocalFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString help = dir.filePath(QStringLiteral("orbelune.chm"));
    QFile file(help);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString canonical = QFileInfo(help).canonicalFilePath();
    for (const QString& address : {help, QUrl::fromLocalFile(help).toString(),
                                   dir.path() + QStringLiteral("/./orbelune.chm")}) {
        const std::optional<QUrl> opened = BrowsableAddress(address, help);
        ASSERT_TRUE(opened.has_value()) << address.toStdString();
        EXPECT_EQ(opened->toLocalFile(), canonical);
    }
    // Without a help file no path opens, and a help file that vanished opens nothing.
    EXPECT_EQ(BrowsableAddress(help, {}), std::nullopt);
    QFile::remove(help);
    EXPECT_EQ(BrowsableAddress(help, help), std::nullopt);
}

}  // namespace
}  // namespace orbelune
