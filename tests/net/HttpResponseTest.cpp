// The reply parser fed whole and byte by byte: framings, interim answers, limits.
#include "HttpResponse.h"

#include <gtest/gtest.h>

namespace orbelune {
namespace {

using TState = THttpResponse::TState;

struct TCase {
    const char* Name;
    QByteArray Reply;
    bool CloseAfter;  // the server closes the connection after the bytes
    TState Expected;
    int Status;
    QByteArray Body;
};

THttpResponse Parsed(const TCase& c, bool byteByByte) {
    THttpResponse response(16);
    if (byteByByte)
        for (const char b : c.Reply) response.Feed(QByteArrayView(&b, 1));
    else
        response.Feed(c.Reply);
    if (c.CloseAfter) response.Close();
    return response;
}

TEST(HttpResponse, FramingsAndFaults) {
    const QByteArray longHead =
        "HTTP/1.1 200 OK\r\n" + QByteArray("X-A: ") + QByteArray(THttpResponse::MaxHeadBytes, 'a');
    const TCase cases[] = {
        {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", false, TState::Done,
         200, "hello"},
        {"bare line feeds", "HTTP/1.0 404 Not Found\nContent-Length: 2\n\nno", false, TState::Done,
         404, "no"},
        {"chunked",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5;x=1\r\nhello\r\n3\r\n, "
         "w\r\n0\r\nX-T: 1\r\n\r\n",
         false, TState::Done, 200, "hello, w"},
        {"until close", "HTTP/1.1 200 OK\r\n\r\nall of it", true, TState::Done, 200, "all of it"},
        {"interim answer first", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 204 No Content\r\n\r\n",
         false, TState::Done, 204, ""},
        {"cut short", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhalf", true, TState::Failed, 200,
         ""},
        {"length over the cap", "HTTP/1.1 200 OK\r\nContent-Length: 17\r\n\r\n", false,
         TState::Failed, 200, ""},
        {"chunks over the cap",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n9\r\n123456789\r\n9\r\n", false,
         TState::Failed, 200, ""},
        {"stream over the cap", "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(17, 'x'), false,
         TState::Failed, 200, ""},
        {"negative length", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", false, TState::Failed,
         200, ""},
        {"bad chunk size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", false,
         TState::Failed, 200, ""},
        {"unknown coding", "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\n", false,
         TState::Failed, 200, ""},
        {"not HTTP", "SSH-2.0-OpenSSH\r\n", false, TState::Failed, 0, ""},
        {"bad status", "HTTP/1.1 2x0 OK\r\n", false, TState::Failed, 0, ""},
        {"header without colon", "HTTP/1.1 200 OK\r\nnonsense\r\n", false, TState::Failed, 200, ""},
        {"endless head", longHead, false, TState::Failed, 200, ""},
    };
    for (const TCase& c : cases) {
        for (const bool byteByByte : {false, true}) {
            SCOPED_TRACE(std::string(c.Name) + (byteByByte ? ", byte by byte" : ""));
            const THttpResponse r = Parsed(c, byteByByte);
            EXPECT_EQ(r.State(), c.Expected) << r.ErrorText().toStdString();
            EXPECT_EQ(r.Status(), c.Status);
            if (c.Expected == TState::Done) {
                EXPECT_EQ(r.Body(), c.Body);
            }
        }
    }
}

TEST(HttpResponse, HeaderFieldsAreFoundInAnyCaseAndRepeatsJoined) {
    THttpResponse r(100);
    r.Feed(
        "HTTP/1.1 301 Moved\r\nLOCATION:  /next \r\nVia: a\r\nvia: b\r\nContent-Length: 0\r\n\r\n");
    EXPECT_EQ(r.State(), TState::Done);
    EXPECT_EQ(r.Reason(), "Moved");
    EXPECT_EQ(r.Header("Location"), "/next");
    EXPECT_EQ(r.Header("VIA"), "a, b");
    EXPECT_TRUE(r.Header("missing").isEmpty());
}

TEST(HttpResponse, TooLargeIsToldApartFromOtherFailures) {
    THttpResponse big(4);
    big.Feed("HTTP/1.1 200 OK\r\n\r\n12345");
    EXPECT_TRUE(big.TooLarge());
    THttpResponse bad(4);
    bad.Feed("garbage\r\n");
    EXPECT_FALSE(bad.TooLarge());
    EXPECT_EQ(bad.State(), TState::Failed);
}

}  // namespace
}  // namespace orbelune
