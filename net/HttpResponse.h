#pragma once
// The reply to one HTTP/1.1 request, parsed as its bytes arrive: the status line, the
// header fields and the body (with a Content-Length, in chunks, or up to the close of
// the connection). Nothing a server sends can make it hold more than the head limit
// plus the body cap: a longer head or a larger body fails the reply at once.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace orbelune {

class THttpResponse {
public:
    enum class TState { Head, Body, Done, Failed };

    static constexpr qsizetype MaxHeadBytes = 64 * 1024;

    explicit THttpResponse(qint64 MaxBodyBytes);

    // Takes the next bytes from the connection; the state after them. Bytes after the
    // end of the reply are ignored.
    TState Feed(QByteArrayView Bytes);
    // The server closed the connection: a body read up to the close ends here, any
    // other unfinished reply fails.
    TState Close();

    TState State() const { return state_; }
    int Status() const { return status_; }
    const QByteArray& Reason() const { return reason_; }
    // The value of a header field (name in any case); empty when absent.
    QByteArray Header(const QByteArray& Name) const;
    const QByteArray& Body() const { return body_; }
    // Failed because the body would pass the cap.
    bool TooLarge() const { return tooLarge_; }
    const QString& ErrorText() const { return errorText_; }

private:
    enum class TFraming { Length, Chunked, UntilClose };
    enum class TChunkStep { Size, Data, DataEnd, Trailer };

    bool NextLine(QByteArray& line);
    void ParseHead();
    void StartBody();
    void ParseBody();
    void ParseChunks();
    bool Append(QByteArrayView bytes);
    TState Fail(const QString& text);

    const qint64 maxBody_;
    TState state_ = TState::Head;
    QByteArray pending_;  // received, not yet consumed
    qsizetype headBytes_ = 0;
    bool statusSeen_ = false;
    int status_ = 0;
    QByteArray reason_;
    QHash<QByteArray, QByteArray> headers_;  // lower-case names; repeated fields joined by ", "
    TFraming framing_ = TFraming::UntilClose;
    qint64 remaining_ = 0;  // of the body (Length) or of the chunk (Chunked)
    TChunkStep chunkStep_ = TChunkStep::Size;
    QByteArray body_;
    bool tooLarge_ = false;
    QString errorText_;
};

}  // namespace orbelune
