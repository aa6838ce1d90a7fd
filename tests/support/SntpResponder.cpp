#include "SntpResponder.h"

#include <QNetworkDatagram>
#include <QTimer>

#include <cmath>
#include <cstdint>

namespace orbelune::test {

namespace {

constexpr int TransmitAt = 40;

TNtpTimestamp TimestampAt(const QByteArray& Packet, int At) {
    TNtpTimestamp value = 0;
    for (int i = 0; i < 8; ++i) value = (value << 8) | static_cast<std::uint8_t>(Packet[At + i]);
    return value;
}

void PutTimestamp(QByteArray& Packet, int At, TNtpTimestamp Value) {
    for (int i = 0; i < 8; ++i) Packet[At + i] = static_cast<char>((Value >> (56 - 8 * i)) & 0xFF);
}

// Value moved by Seconds, modulo 2^64 as the NTP seconds wrap.
TNtpTimestamp Shifted(TNtpTimestamp Value, double Seconds) {
    return Value + static_cast<TNtpTimestamp>(std::llround(Seconds * 4294967296.0));
}

}  // namespace

QByteArray SntpReplyTo(const QByteArray& Request, const TSntpScriptReply& Reply) {
    int leap = 0, version = 4, mode = 4, stratum = 2;
    switch (Reply.Spoil) {
        case TSntpSpoil::ClientMode:
            mode = 3;
            break;
        case TSntpSpoil::Version2:
            version = 2;
            break;
        case TSntpSpoil::Version5:
            version = 5;
            break;
        case TSntpSpoil::KissOfDeath:
            stratum = 0;
            break;
        case TSntpSpoil::Stratum16:
            stratum = 16;
            break;
        case TSntpSpoil::Unsynchronised:
            leap = 3;
            break;
        default:
            break;
    }
    QByteArray packet(SntpPacketSize, '\0');
    packet[0] = static_cast<char>((leap << 6) | (version << 3) | mode);
    packet[1] = static_cast<char>(stratum);
    packet[3] = static_cast<char>(-20);  // precision: about a microsecond
    packet.replace(12, 4, stratum == 0 ? "RATE" : "TEST");
    const TNtpTimestamp sent =
        Request.size() >= SntpPacketSize ? TimestampAt(Request, TransmitAt) : 0;
    const TNtpTimestamp received = Shifted(sent, Reply.OffsetSeconds);
    PutTimestamp(packet, 16, received);  // reference time
    PutTimestamp(packet, 24, Reply.Spoil == TSntpSpoil::WrongOriginate ? sent ^ 1 : sent);
    PutTimestamp(packet, 32, received);
    PutTimestamp(
        packet, 40,
        Reply.Spoil == TSntpSpoil::ZeroTransmit ? 0 : Shifted(received, Reply.HoldSeconds));
    if (Reply.Spoil == TSntpSpoil::Short) packet.chop(1);
    return packet;
}

TSntpResponder::TSntpResponder(QList<TSntpScriptReply> Script) : script_(std::move(Script)) {
    socket_.bind(QHostAddress::LocalHost, 0);
    otherSocket_.bind(QHostAddress::LocalHost, 0);
    QObject::connect(&socket_, &QUdpSocket::readyRead, &socket_, [this] { Answer(); });
}

void TSntpResponder::Answer() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram request = socket_.receiveDatagram();
        requests_.append(request.data());
        for (const TSntpScriptReply& reply : script_) {
            QUdpSocket* from = reply.Spoil == TSntpSpoil::OtherPort ? &otherSocket_ : &socket_;
            const QByteArray packet = SntpReplyTo(request.data(), reply);
            const QHostAddress to = request.senderAddress();
            const quint16 port = request.senderPort();
            QTimer::singleShot(reply.DelayMs, from,
                               [from, packet, to, port] { from->writeDatagram(packet, to, port); });
        }
    }
}

}  // namespace orbelune::test
