#pragma once
// An SNTP server for the client's tests, on 127.0.0.1 at a free UDP port. It answers each
// request with the replies of its script, in order: well, late, from another port, or
// with one field spoiled; an empty script never answers. It lives on the calling thread,
// whose event loop the client keeps turning while it waits.
//
// Its clock runs a reply's OffsetSeconds ahead of the client's: the reply's receive time
// is the request's transmit time plus the offset, and its transmit time HoldSeconds
// later. So what a client measures does not depend on how busy the machine is.

#include "SntpPacket.h"

#include <QByteArray>
#include <QList>
#include <QUdpSocket>

namespace orbelune::test {

enum class TSntpSpoil {
    None,
    Short,           // 47 bytes
    ClientMode,      // mode 3
    Version2,        // version 2
    Version5,        // version 5
    KissOfDeath,     // stratum 0
    Stratum16,       // stratum 16
    Unsynchronised,  // leap indicator 3
    WrongOriginate,  // the originate time stamp one unit off
    ZeroTransmit,    // transmit time stamp 0
    OtherPort,       // sent from another port of the same address
};

struct TSntpScriptReply {
    double OffsetSeconds = 0;
    TSntpSpoil Spoil = TSntpSpoil::None;
    int DelayMs = 0;  // after the request
    double HoldSeconds = 0;
};

// A server's reply to Request (a client's packet), spoilt as asked (OtherPort aside).
QByteArray SntpReplyTo(const QByteArray& Request, const TSntpScriptReply& Reply);

class TSntpResponder {
public:
    explicit TSntpResponder(QList<TSntpScriptReply> Script);

    quint16 Port() const { return socket_.localPort(); }
    const QList<QByteArray>& Requests() const { return requests_; }

private:
    void Answer();

    const QList<TSntpScriptReply> script_;
    QUdpSocket socket_;
    QUdpSocket otherSocket_;
    QList<QByteArray> requests_;
};

}  // namespace orbelune::test
