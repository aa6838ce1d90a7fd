// The download helper against fixture servers on 127.0.0.1.
#include "Download.h"
#include "FixtureServer.h"
#include "HostileServer.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstddef>
#include <iterator>

#ifdef Q_OS_LINUX
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif

namespace orbelune {
namespace {

using test::THttpFixture;
using TRoute = THttpFixture::TRoute;

QUrl At(const THttpFixture& server, const QString& path) {
    return QUrl(QStringLiteral("http://") + server.HostAndPort() + path);
}

TDownloadOptions Quick() {
    TDownloadOptions options;
    options.TimeoutMs = 1500;
    options.MaxBytes = 4096;
    return options;
}

TEST(Download, GoodReplyAndHttpErrors) {
    THttpFixture server({{"/ok.txt", TRoute{200, "report text", {}, THttpFixture::TMode::Normal}}});
    const TDownloadResult ok = Download(At(server, "/ok.txt"), Quick());
    EXPECT_TRUE(ok.Ok());
    EXPECT_EQ(ok.HttpStatus, 200);
    EXPECT_EQ(ok.Body, "report text");

    const TDownloadResult missing = Download(At(server, "/missing.txt"), Quick());
    EXPECT_EQ(missing.Error, TDownloadError::HttpStatus);
    EXPECT_EQ(missing.HttpStatus, 404);
    EXPECT_TRUE(missing.Body.isEmpty());
}

TEST(Download, FollowsRedirects) {
    THttpFixture server({
        {"/old.txt", TRoute{302, "", {{"Location", "/new.txt"}}, THttpFixture::TMode::Normal}},
        {"/new.txt", TRoute{200, "moved here", {}, THttpFixture::TMode::Normal}},
        {"/loop.txt", TRoute{301, "", {{"Location", "/loop.txt"}}, THttpFixture::TMode::Normal}},
    });
    const TDownloadResult moved = Download(At(server, "/old.txt"), Quick());
    EXPECT_TRUE(moved.Ok());
    EXPECT_EQ(moved.Body, "moved here");
    EXPECT_EQ(server.RequestedPaths(), QStringList({"/old.txt", "/new.txt"}));

    EXPECT_FALSE(Download(At(server, "/loop.txt"), Quick()).Ok());
}

TEST(Download, AReplyThatNeverEndsTimesOut) {
    THttpFixture server(
        {{"/slow.txt", TRoute{200, QByteArray(64, 'a'), {}, THttpFixture::TMode::Stall}}});
    TDownloadOptions options = Quick();
    options.TimeoutMs = 500;
    const TDownloadResult r = Download(At(server, "/slow.txt"), options);
    EXPECT_EQ(r.Error, TDownloadError::TimedOut);
    EXPECT_TRUE(r.Body.isEmpty());
}

TEST(Download, OversizedRepliesAreRefused) {
    THttpFixture server({
        {"/big.txt", TRoute{200, QByteArray(5000, 'b'), {}, THttpFixture::TMode::Normal}},
        {"/endless.txt", TRoute{200, QByteArray(200000, 'c'), {}, THttpFixture::TMode::NoLength}},
        {"/fits.txt", TRoute{200, QByteArray(4096, 'd'), {}, THttpFixture::TMode::NoLength}},
    });
    EXPECT_EQ(Download(At(server, "/big.txt"), Quick()).Error, TDownloadError::TooLarge);
    EXPECT_EQ(Download(At(server, "/endless.txt"), Quick()).Error, TDownloadError::TooLarge);
    const TDownloadResult fits = Download(At(server, "/fits.txt"), Quick());
    EXPECT_TRUE(fits.Ok());
    EXPECT_EQ(fits.Body.size(), 4096);
}

// Whatever a server does, the download ends within its time limit and size cap, and the
// connection is closed at once: the server sees the client hang up.
TEST(Download, HostileServersAreCutOffAndHungUpOn) {
    using test::THostileServer;
    THostileServer server;
    constexpr qint64 Cap = 64 * 1024;
    const struct {
        const char* Path;
        TDownloadError Expected;
        bool EndsItself;  // the server ends the connection of its own accord
    } cases[] = {
        {THostileServer::EndlessHeaders, TDownloadError::Failed, false},
        {THostileServer::SlowBody, TDownloadError::TimedOut, false},
        {THostileServer::EndlessBody, TDownloadError::TooLarge, false},
        {THostileServer::Garbage, TDownloadError::Failed, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path);
        const qint64 sentBefore = server.BytesSent();
        const int closedBefore = server.ClosedByClient();
        TDownloadOptions options;
        options.TimeoutMs = 700;
        options.MaxBytes = Cap;
        const TDownloadResult r = Download(
            QUrl(QStringLiteral("http://%1%2").arg(server.HostAndPort(), c.Path)), options);
        EXPECT_EQ(r.Error, c.Expected) << r.ErrorText.toStdString();
        EXPECT_TRUE(r.Body.isEmpty());
        EXPECT_TRUE(server.WaitForAllClosed(5000));
        if (!c.EndsItself) {
            EXPECT_EQ(server.ClosedByClient(), closedBefore + 1);
        }
        // Only what the sockets' buffers hold may pass the cap before the abort.
        EXPECT_LT(server.BytesSent() - sentBefore, 16 * 1024 * 1024);
    }
}

// A proxy that answers the tunnel for an HTTPS request with header lines that never end
// is held to the reply head's cap, and hung up on, as a server is.
TEST(Download, AProxyTunnelWithEndlessHeadersIsCutOff) {
    test::THostileServer proxy;
    TDownloadOptions options;
    options.TimeoutMs = 5000;
    options.Proxy = ProxyFromRule({true, "127.0.0.1", proxy.Port(), "u", "p"});
    const TDownloadResult r = Download(QUrl("https://weather.example/a.txt"), options);
    EXPECT_EQ(r.Error, TDownloadError::Failed) << r.ErrorText.toStdString();
    EXPECT_TRUE(r.ErrorText.contains("too long")) << r.ErrorText.toStdString();
    EXPECT_TRUE(proxy.WaitForAllClosed(5000));
    EXPECT_EQ(proxy.ClosedByClient(), 1);
    EXPECT_LT(proxy.BytesSent(), 16 * 1024 * 1024);
}

// Makes every connect() of the calling thread fail with EACCES, as a local firewall
// rule does; false when the system does not let the thread filter its calls.
bool DenyConnectionsOfThisThread() {
#ifdef Q_OS_LINUX
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_connect, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EACCES & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
#else
    return false;
#endif
}

TEST(Download, ARefusedOrDeniedConnectionIsReportedAsSuch) {
    const QUrl closed(QStringLiteral("http://127.0.0.1:%1/x.txt").arg(test::ClosedPort()));
    EXPECT_EQ(Download(closed, Quick()).Error, TDownloadError::Refused);

    // Access denied (a firewall) counts as refused: the user is told the connection may
    // be blocked.
    THttpFixture server({{"/x.txt", TRoute{200, "x", {}, THttpFixture::TMode::Normal}}});
    bool denied = false;
    TDownloadResult result;
    QThread* worker = QThread::create([&] {
        denied = DenyConnectionsOfThisThread();
        if (denied) result = Download(At(server, "/x.txt"), Quick());
    });
    worker->start();
    ASSERT_TRUE(worker->wait(5000));
    delete worker;
    if (!denied) GTEST_SKIP() << "this system does not let a thread filter its calls";
    EXPECT_EQ(result.Error, TDownloadError::Refused) << result.ErrorText.toStdString();
    EXPECT_TRUE(server.RequestedPaths().isEmpty());
}

TEST(Download, OnlyWebAddresses) {
    EXPECT_EQ(Download(QUrl("file:///etc/passwd"), Quick()).Error, TDownloadError::Failed);
    EXPECT_EQ(Download(QUrl("http://"), Quick()).Error, TDownloadError::Failed);
}

TEST(Download, AWorkerAskedToStopOrACancelGivesUp) {
    THttpFixture server({{"/slow.txt", TRoute{200, "", {}, THttpFixture::TMode::Stall}}});
    TDownloadOptions options = Quick();
    options.TimeoutMs = 10000;
    TDownloadError error = TDownloadError::None;
    QThread* worker =
        QThread::create([&] { error = Download(At(server, "/slow.txt"), options).Error; });
    worker->start();
    worker->requestInterruption();
    ASSERT_TRUE(worker->wait(5000));
    delete worker;
    EXPECT_EQ(error, TDownloadError::Cancelled);

    // On this thread, which cannot be interrupted, the caller's flag does it.
    std::atomic<bool> cancel = false;
    options.Cancel = &cancel;
    QTimer::singleShot(200, [&] { cancel = true; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Download(At(server, "/slow.txt"), options).Error, TDownloadError::Cancelled);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(Download, StatusTextsReachTheCaller) {
    THttpFixture server({{"/ok.txt", TRoute{200, "x", {}, THttpFixture::TMode::Normal}}});
    QStringList texts;
    TDownloadOptions options = Quick();
    options.OnStatus = [&texts](const QString& text) { texts << text; };
    ASSERT_TRUE(Download(At(server, "/ok.txt"), options).Ok());
    EXPECT_TRUE(texts.contains("HTTP 200 OK"));
    EXPECT_EQ(texts.last(), "Disconnected.");
}

TEST(ProxyFromRule, OnlyWhenSwitchedOnWithServerAndPort) {
    EXPECT_EQ(ProxyFromRule({false, "proxy", 8080, "u", "p"}).type(), QNetworkProxy::NoProxy);
    EXPECT_EQ(ProxyFromRule({true, "", 8080, "u", "p"}).type(), QNetworkProxy::NoProxy);
    EXPECT_EQ(ProxyFromRule({true, "proxy", 0, "u", "p"}).type(), QNetworkProxy::NoProxy);
    EXPECT_EQ(ProxyFromRule({true, "proxy", 70000, "u", "p"}).type(), QNetworkProxy::NoProxy);
    const QNetworkProxy proxy = ProxyFromRule({true, "proxy", 8080, "u", "p"});
    EXPECT_EQ(proxy.type(), QNetworkProxy::HttpProxy);
    EXPECT_EQ(proxy.hostName(), "proxy");
    EXPECT_EQ(proxy.port(), 8080);
    EXPECT_EQ(proxy.user(), "u");
    EXPECT_EQ(proxy.password(), "p");
}

TEST(Download, ThroughTheProxyWithBasicAuthentication) {
    THttpFixture server({{"/ok.txt", TRoute{200, "via proxy", {}, THttpFixture::TMode::Normal}}});
    test::TProxyFixture proxy("weather", "s3cret:x");
    TDownloadOptions options = Quick();
    options.TimeoutMs = 5000;
    options.Proxy = ProxyFromRule({true, "127.0.0.1", proxy.Port(), "weather", "s3cret:x"});
    const TDownloadResult r = Download(At(server, "/ok.txt"), options);
    EXPECT_TRUE(r.Ok()) << r.ErrorText.toStdString();
    EXPECT_EQ(r.Body, "via proxy");
    EXPECT_EQ(proxy.Authorised(), 1);
}

TEST(Download, TheProxyTurnsWrongCredentialsDown) {
    THttpFixture server({{"/ok.txt", TRoute{200, "via proxy", {}, THttpFixture::TMode::Normal}}});
    test::TProxyFixture proxy("weather", "s3cret");
    TDownloadOptions options = Quick();
    options.TimeoutMs = 5000;
    options.Proxy = ProxyFromRule({true, "127.0.0.1", proxy.Port(), "weather", "wrong"});
    const TDownloadResult r = Download(At(server, "/ok.txt"), options);
    EXPECT_FALSE(r.Ok());
    EXPECT_NE(r.Error, TDownloadError::Refused);
    EXPECT_EQ(proxy.Authorised(), 0);
    EXPECT_GE(proxy.Refused(), 1);
    EXPECT_TRUE(server.RequestedPaths().isEmpty());
}

// HTTPS against a fixture with a certificate made for the test. The certificate is
// trusted only inside the tests that say so, through the process's default TLS setup.
class SecureDownload : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        certificate_ = test::MakeTestCertificate(folder_.path());
        if (certificate_.Certificate.isNull()) GTEST_SKIP() << "the openssl tool is not available";
        tls_ = QSslConfiguration::defaultConfiguration();
        tls_.setLocalCertificate(certificate_.Certificate);
        tls_.setPrivateKey(certificate_.Key);
        tls_.setPeerVerifyMode(QSslSocket::VerifyNone);
        savedDefault_ = QSslConfiguration::defaultConfiguration();
    }
    void TearDown() override { QSslConfiguration::setDefaultConfiguration(savedDefault_); }

    void TrustTheTestCertificate() {
        QSslConfiguration trusting = savedDefault_;
        trusting.addCaCertificate(certificate_.Certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
    }

    QTemporaryDir folder_;
    test::TTestCertificate certificate_;
    QSslConfiguration tls_;
    QSslConfiguration savedDefault_;
};

TEST_F(SecureDownload, AnUntrustedCertificateIsRefused) {
    THttpFixture server({{"/a.txt", TRoute{200, "secret", {}, THttpFixture::TMode::Normal}}}, tls_);
    const QUrl url(QStringLiteral("https://%1/a.txt").arg(server.HostAndPort()));
    const TDownloadResult r = Download(url, Quick());
    EXPECT_EQ(r.Error, TDownloadError::Failed);
    EXPECT_TRUE(r.Body.isEmpty());
    EXPECT_TRUE(server.RequestedPaths().isEmpty());
}

TEST_F(SecureDownload, ATrustedCertificateIsAccepted) {
    TrustTheTestCertificate();
    THttpFixture server({{"/a.txt", TRoute{200, "secret", {}, THttpFixture::TMode::Normal}}}, tls_);
    const QUrl url(QStringLiteral("https://%1/a.txt").arg(server.HostAndPort()));
    const TDownloadResult r = Download(url, Quick());
    EXPECT_TRUE(r.Ok()) << r.ErrorText.toStdString();
    EXPECT_EQ(r.Body, "secret");
}

TEST_F(SecureDownload, NoRedirectFromHttpsDownToHttp) {
    TrustTheTestCertificate();
    THttpFixture plain({{"/b.txt", TRoute{200, "in the clear", {}, THttpFixture::TMode::Normal}}});
    const QByteArray target = "http://" + plain.HostAndPort().toLatin1() + "/b.txt";
    THttpFixture secure(
        {{"/a.txt", TRoute{302, "", {{"Location", target}}, THttpFixture::TMode::Normal}}}, tls_);
    const QUrl url(QStringLiteral("https://%1/a.txt").arg(secure.HostAndPort()));
    // The request ends at the redirect's own status, well before any time-out.
    const TDownloadResult r = Download(url, Quick());
    EXPECT_EQ(r.Error, TDownloadError::HttpStatus);
    EXPECT_EQ(r.HttpStatus, 302);
    EXPECT_TRUE(plain.RequestedPaths().isEmpty());
}

}  // namespace
}  // namespace orbelune
