// The host table: one row per service in order, each a plain host name.
#include "WebHosts.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QUrl>

namespace orbelune {
namespace {

TEST(WebHostTable, OneRowPerServiceInOrder) {
    for (int i = 0; i < WebServiceCount; ++i) {
        const TWebHost& row = WebHostTable[static_cast<std::size_t>(i)];
        EXPECT_EQ(static_cast<int>(row.Service), i);
        const QUrl url(WebAddress(row.Service, QStringLiteral("/")), QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << row.Host;
        EXPECT_EQ(url.host(), QString::fromLatin1(row.Host)) << row.Host;
        EXPECT_EQ(url.path(), QStringLiteral("/")) << row.Host;
    }
}

}  // namespace
}  // namespace orbelune
