#include "HttpResponse.h"

#include <limits>

namespace orbelune {

namespace {

// A decimal or hexadecimal count, digits only (no sign, no blanks); -1 when it is not
// one or does not fit.
qint64 ParseCount(QByteArrayView text, int base) {
    if (text.isEmpty() || text.size() > 15) return -1;
    qint64 value = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0) return -1;
        value = value * base + digit;
    }
    return value;
}

}  // namespace

THttpResponse::THttpResponse(qint64 MaxBodyBytes) : maxBody_(MaxBodyBytes) {}

QByteArray THttpResponse::Header(const QByteArray& Name) const {
    return headers_.value(Name.toLower());
}

THttpResponse::TState THttpResponse::Fail(const QString& text) {
    state_ = TState::Failed;
    errorText_ = text;
    pending_.clear();
    return state_;
}

THttpResponse::TState THttpResponse::Feed(QByteArrayView Bytes) {
    if (state_ == TState::Done || state_ == TState::Failed) return state_;
    pending_.append(Bytes);
    if (state_ == TState::Head) ParseHead();
    if (state_ == TState::Body) ParseBody();
    return state_;
}

THttpResponse::TState THttpResponse::Close() {
    if (state_ == TState::Body && framing_ == TFraming::UntilClose) state_ = TState::Done;
    if (state_ != TState::Done && state_ != TState::Failed)
        Fail(QStringLiteral("The server closed the connection before the reply was complete."));
    return state_;
}

// One line of the head or of the chunk framing, without its line break (LF or CR LF).
bool THttpResponse::NextLine(QByteArray& line) {
    const qsizetype end = pending_.indexOf('\n');
    if (end < 0) return false;
    line = pending_.left(end);
    if (line.endsWith('\r')) line.chop(1);
    pending_.remove(0, end + 1);
    return true;
}

void THttpResponse::ParseHead() {
    QByteArray line;
    for (;;) {
        const qsizetype before = pending_.size();
        if (!NextLine(line)) {
            if (headBytes_ + pending_.size() > MaxHeadBytes)
                Fail(QStringLiteral("The server's reply head is too long."));
            return;
        }
        headBytes_ += before - pending_.size();
        if (headBytes_ > MaxHeadBytes) {
            Fail(QStringLiteral("The server's reply head is too long."));
            return;
        }
        if (!statusSeen_) {
            // "HTTP/1.x NNN reason"
            if (!line.startsWith("HTTP/1.") || line.size() < 12 || line[8] != ' ') {
                Fail(QStringLiteral("The server did not answer in HTTP."));
                return;
            }
            const qint64 code = ParseCount(QByteArrayView(line).sliced(9, 3), 10);
            if (code < 100 || code > 599 || (line.size() > 12 && line[12] != ' ')) {
                Fail(QStringLiteral("The server did not answer in HTTP."));
                return;
            }
            status_ = static_cast<int>(code);
            reason_ = line.mid(13).trimmed();
            statusSeen_ = true;
            continue;
        }
        if (!line.isEmpty()) {
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0) {
                Fail(QStringLiteral("The server sent a malformed header field."));
                return;
            }
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            auto it = headers_.find(name);
            if (it == headers_.end())
                headers_.insert(name, value);
            else
                *it += ", " + value;
            continue;
        }
        // The blank line: an interim answer (100 Continue) is followed by the real one.
        if (status_ < 200) {
            statusSeen_ = false;
            headers_.clear();
            continue;
        }
        StartBody();
        return;
    }
}

void THttpResponse::StartBody() {
    state_ = TState::Body;
    if (status_ == 204 || status_ == 304) {
        state_ = TState::Done;
        return;
    }
    const QByteArray coding = Header("transfer-encoding").toLower();
    if (!coding.isEmpty()) {
        if (coding != "chunked") {
            Fail(QStringLiteral("The server used an unknown transfer coding."));
            return;
        }
        framing_ = TFraming::Chunked;
        return;
    }
    const QByteArray length = Header("content-length");
    if (length.isEmpty()) {
        framing_ = TFraming::UntilClose;
        return;
    }
    remaining_ = ParseCount(length, 10);
    if (remaining_ < 0) {
        Fail(QStringLiteral("The server sent an invalid length."));
        return;
    }
    if (remaining_ > maxBody_) {
        tooLarge_ = true;
        Fail(QStringLiteral("The reply is too large."));
        return;
    }
    framing_ = TFraming::Length;
    if (remaining_ == 0) state_ = TState::Done;
}

bool THttpResponse::Append(QByteArrayView bytes) {
    if (body_.size() + bytes.size() > maxBody_) {
        tooLarge_ = true;
        Fail(QStringLiteral("The reply is too large."));
        return false;
    }
    body_.append(bytes);
    return true;
}

void THttpResponse::ParseBody() {
    switch (framing_) {
        case TFraming::UntilClose:
            if (Append(pending_)) pending_.clear();
            return;
        case TFraming::Length: {
            const qsizetype take =
                static_cast<qsizetype>(std::min<qint64>(remaining_, pending_.size()));
            if (!Append(QByteArrayView(pending_).first(take))) return;
            pending_.remove(0, take);
            remaining_ -= take;
            if (remaining_ == 0) state_ = TState::Done;
            return;
        }
        case TFraming::Chunked:
            ParseChunks();
            return;
    }
}

void THttpResponse::ParseChunks() {
    QByteArray line;
    while (state_ == TState::Body) {
        switch (chunkStep_) {
            case TChunkStep::Size: {
                if (!NextLine(line)) {
                    if (pending_.size() > 1024)
                        Fail(QStringLiteral("The server sent a malformed chunk."));
                    return;
                }
                const qsizetype extension = line.indexOf(';');
                remaining_ = ParseCount(
                    QByteArrayView(line).first(extension < 0 ? line.size() : extension).trimmed(),
                    16);
                if (remaining_ < 0) {
                    Fail(QStringLiteral("The server sent a malformed chunk."));
                    return;
                }
                if (remaining_ > maxBody_ - body_.size()) {
                    tooLarge_ = true;
                    Fail(QStringLiteral("The reply is too large."));
                    return;
                }
                chunkStep_ = remaining_ == 0 ? TChunkStep::Trailer : TChunkStep::Data;
                break;
            }
            case TChunkStep::Data: {
                const qsizetype take =
                    static_cast<qsizetype>(std::min<qint64>(remaining_, pending_.size()));
                if (take == 0) return;
                if (!Append(QByteArrayView(pending_).first(take))) return;
                pending_.remove(0, take);
                remaining_ -= take;
                if (remaining_ == 0) chunkStep_ = TChunkStep::DataEnd;
                break;
            }
            case TChunkStep::DataEnd:
                if (!NextLine(line)) {
                    if (pending_.size() > 2)
                        Fail(QStringLiteral("The server sent a malformed chunk."));
                    return;
                }
                if (!line.isEmpty()) {
                    Fail(QStringLiteral("The server sent a malformed chunk."));
                    return;
                }
                chunkStep_ = TChunkStep::Size;
                break;
            case TChunkStep::Trailer: {
                const qsizetype before = pending_.size();
                const bool complete = NextLine(line);
                headBytes_ += before - pending_.size();
                if (headBytes_ + pending_.size() > MaxHeadBytes) {
                    Fail(QStringLiteral("The server's reply head is too long."));
                    return;
                }
                if (!complete) return;
                if (line.isEmpty()) state_ = TState::Done;
                break;
            }
        }
    }
}

}  // namespace orbelune
