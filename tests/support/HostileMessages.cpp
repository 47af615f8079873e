#include "support/HostileMessages.h"

#include "packet/clsDataWriter.h"
#include "support/TestServer.h"

#include <algorithm>
#include <limits>

namespace {

QByteArray terminated(const QByteArray &text)
{
    return text + '\0';
}

QByteArray int32(qint64 value)
{
    return clsDataWriter::CreateInt32(static_cast<qint32>(value));
}

} // namespace

const std::vector<quint8> &HostileMessages::ids()
{
    static const std::vector<quint8> all = {0x00, 0x0A, 0x0F, 0x25, 0x26, 0x31, 0x3A, 0x3D, 0x50, 0x52, 0x53,
                                            0x54, 0x55, 0x56, 0x57, 0x59, 0x5A, 0x5B, 0x5E, 0x01, 0x0E, 0x65, 0xFF};
    return all;
}

QByteArray HostileMessages::payload(quint8 id)
{
    switch (id) {
    case 0x0A:
        return terminated(name()) + terminated(statstring()) + terminated(name());
    case 0x0F:
        return chatEvent();
    case 0x25:
        return word();
    case 0x26:
        return keyReply();
    case 0x3A:
        return status() + (below(2) ? terminated(text(below(20))) : QByteArray());
    case 0x50:
        return status() + word() + word() + noise(8) + terminated("ver-IX86-" + number() + ".mpq") +
               terminated("A=" + number() + " B=" + number() + " 4 A=A+S");
    case 0x53:
    case 0x55:
        return status() + noise(32) + noise(32);
    case 0x54:
    case 0x56:
        return status() + noise(20);
    case 0x57:
        return status() + word();
    case 0x31:
    case 0x3D:
    case 0x52:
    case 0x5A:
    case 0x5B:
        return status();
    case 0x5E:
        return noise(below(40));
    default:
        return {};
    }
}

QByteArray HostileMessages::message()
{
    // Chat events, the bulk of a real server's traffic, make up half.
    const quint8 id = below(2) ? 0x0F : ids()[below(static_cast<std::uint32_t>(ids().size()))];
    QByteArray bytes = payload(id);
    switch (below(10)) {
    case 0:
        bytes.clear();
        break;
    case 1:
        bytes.truncate(below(static_cast<std::uint32_t>(bytes.size()) + 1));
        break;
    case 2:
        bytes = noise(below(80));
        break;
    case 3:
        bytes += noise(1 + below(16));
        break;
    case 4:
        for (std::uint32_t flips = 1 + below(4); flips > 0 && !bytes.isEmpty(); --flips)
            bytes[below(static_cast<std::uint32_t>(bytes.size()))] = static_cast<char>(below(256));
        break;
    default:
        break;
    }
    return TestServer::message(id, bytes);
}

QByteArray HostileMessages::garbage()
{
    switch (below(3)) {
    case 0:
        return static_cast<char>(below(0xFF)) + noise(below(12));
    case 1:
        return QByteArray("\xFF\x0F", 2) + int32(below(4)).left(2) + noise(below(12));
    default:
        // A length field with its sign bit set.
        return QByteArray("\xFF\x0F", 2) + int32(0x8000 + below(0x8000)).left(2) + noise(below(12));
    }
}

std::vector<QByteArray> HostileMessages::pieces(const QByteArray &stream)
{
    std::vector<QByteArray> cut;
    const qsizetype longest = below(3) == 0 ? 1 + below(8) : stream.size();
    for (qsizetype start = 0; start < stream.size();) {
        const qsizetype length = 1 + below(static_cast<std::uint32_t>(std::max<qsizetype>(longest, 1)));
        cut.push_back(stream.mid(start, length));
        start += length;
    }
    return cut;
}

QByteArray HostileMessages::chatEvent()
{
    // The events that list users first, as often as all others together.
    static const quint32 kEventIds[] = {0x01, 0x02, 0x03, 0x09, 0x04, 0x05, 0x06, 0x07, 0x0A, 0x0D,
                                        0x0E, 0x0F, 0x12, 0x13, 0x17, 0x00, 0x08, 0x0B, 0x10, 0x18};
    static const quint32 kFlags[] = {0x00, 0x01, 0x02, 0x08, 0x10, 0x20, 0x40, 0x4000, 0x1000, 0x2D, 0xFFFFFFFF};
    static const qint64 kPings[] = {0, 1, -1, 199, 600, 1201, 32767, 32768, -32769,
                                    std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::min()};
    static const char *const kChannels[] = {"The Void", "Blizzard Tech Support", "<h1>Op</h1> &amp;", "", "Chat"};
    const quint32 event = below(8) ? kEventIds[below(below(2) ? 4 : std::size(kEventIds))] : m_random();
    const quint32 flags = below(4) ? kFlags[below(std::size(kFlags))] : m_random();
    const qint64 ping = below(4) ? kPings[below(std::size(kPings))] : static_cast<qint32>(m_random());
    QByteArray body;
    switch (below(8)) {
    case 0:
        body = pick(kChannels);
        break;
    case 1:
        body = text(below(60));
        break;
    case 2:
        // Once in a while, a text as long as a message can carry.
        body = below(20) ? name() + " probe " + text(below(20)) : text(32000);
        break;
    default:
        body = statstring();
        break;
    }
    return int32(event) + int32(flags) + int32(ping) + noise(12) + terminated(name()) +
           terminated(body.left(32700));
}

QByteArray HostileMessages::keyReply()
{
    static const quint32 kKeyCounts[] = {4, 10, 0, 1, 255};
    const quint32 keys = below(4) ? kKeyCounts[below(2)] : kKeyCounts[below(std::size(kKeyCounts))];
    QByteArray values;
    // Fewer values than keys now and then; the last one may lack its end.
    for (quint32 value = below(8) ? keys : below(keys + 1); value > 0; --value) {
        switch (below(3)) {
        case 0:
            values += terminated(number() + ' ' + number());
            break;
        case 1:
            values += terminated(number());
            break;
        default:
            values += terminated(text(below(30)));
            break;
        }
    }
    if (below(4) == 0)
        values.chop(1);
    return int32(1) + int32(keys) + word() + values;
}

QByteArray HostileMessages::name()
{
    static const char *const kNames[] = {
        "probe", "PROBE", "Beta", "<b>bold</b>", "&lt;i&gt;", "a*b", "*", "Char*Acc*x", "\xE9\xFF\x81\x8D\x9D",
        "",      "The Void", "/quit", "probe#2",
    };
    switch (below(16)) {
    case 0:
    case 1:
    case 2:
        return text(below(24));
    case 3:
        return QByteArray(200 + below(400), 'n');
    default:
        return pick(kNames);
    }
}

QByteArray HostileMessages::statstring()
{
    static const char *const kProducts[] = {"RATS", "PXES", "RTSJ", "NB2W", "RHSS", "LTRD", "RHSD",
                                            "VD2D", "PX2D", "3RAW", "PX3W", "TAHC", "XXXX"};
    static const char *const kDiablo2[] = {"VD2D", "PX2D"};
    static const char *const kWarcraft3[] = {"3RAW", "PX3W"};
    const int shape = static_cast<int>(below(5));
    // Mostly the product whose statistics the shape imitates.
    const char *product = below(4) == 0 ? pick(kProducts)
                          : shape == 2    ? pick(kDiablo2)
                          : shape == 3    ? pick(kWarcraft3)
                                          : pick(kProducts);
    QByteArray code = QByteArray(product).left(below(6) ? 4 : below(4));
    switch (shape) {
    case 0:
        return code + text(below(40));
    case 1:
        for (std::uint32_t fields = below(3) ? 9 : below(12); fields > 0; --fields)
            code += ' ' + number();
        return code;
    case 2: {
        // Realm, character name and character data of about the needed length.
        QByteArray data = text(24 + below(14));
        for (const qsizetype offset : {13, 25, 26, 27, 30}) {
            if (offset < data.size() && below(2))
                data[offset] = static_cast<char>(1 + below(255));
        }
        return code + text(below(6)) + ',' + text(below(6)) + ',' + data;
    }
    case 3: {
        static const char *const kRaces[] = {"H", "O", "N", "U", "R", "D", "X", ""};
        QByteArray icon = QByteArray(pick(kRaces)) + static_cast<char>(below(2) ? '0' + below(10) : below(256));
        icon = QByteArray(below(3) ? "3W" : "") + icon;
        std::reverse(icon.begin(), icon.end());
        QByteArray clan = below(2) ? ' ' + text(below(5)) : QByteArray();
        return code + ' ' + icon.replace('\0', 'x') + ' ' + number() + clan;
    }
    default:
        return code;
    }
}

QByteArray HostileMessages::number()
{
    static const char *const kNumbers[] = {"0",  "1",   "-1",  "2147483648", "99999999999999999999999", "-0",
                                           "+5", "1e3", "",    "abc",        "4294967295 4294967295",  "09"};
    return below(2) ? QByteArray(pick(kNumbers)) : QByteArray::number(static_cast<qint32>(m_random()));
}

QByteArray HostileMessages::status()
{
    // Success and the first refusals are what most handlers act on.
    switch (below(4)) {
    case 0:
    case 1:
        return int32(below(3));
    case 2:
        return int32(below(17));
    default:
        return word();
    }
}

QByteArray HostileMessages::word()
{
    return int32(static_cast<qint32>(m_random()));
}

QByteArray HostileMessages::noise(qsizetype count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(below(256));
    return bytes;
}

QByteArray HostileMessages::text(qsizetype count)
{
    QByteArray bytes = noise(count);
    for (char &byte : bytes) {
        if (byte == '\0')
            byte = '<';
    }
    return bytes;
}
