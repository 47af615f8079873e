#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <random>
#include <vector>

// Server messages as a broken or malicious server might send them, drawn
// from a seeded generator so that any run can be replayed: every message id
// the client reads (and some it does not), well formed with random field
// values, or empty, cut short, padded, damaged or plain noise.
class HostileMessages {
public:
    explicit HostileMessages(std::uint32_t seed) : m_random(seed) {}

    // Every id the client handles, then a few it ignores.
    static const std::vector<quint8> &ids();
    // A well-formed payload for the id, with random values in its fields.
    QByteArray payload(quint8 id);
    // A whole message, header included: mostly well formed, otherwise
    // damaged in one of the ways a payload can be.
    QByteArray message();
    // Bytes that no message can be framed from: a wrong first byte, or a
    // length field below the header's own length.
    QByteArray garbage();
    // The stream cut into the pieces that reads might bring it in.
    std::vector<QByteArray> pieces(const QByteArray &stream);

    // 0 <= result < bound.
    std::uint32_t below(std::uint32_t bound) { return m_random() % bound; }

private:
    QByteArray chatEvent();
    QByteArray keyReply();
    QByteArray name();
    QByteArray statstring();
    QByteArray number();
    QByteArray status();
    QByteArray word();
    QByteArray noise(qsizetype count);
    // Noise without zero bytes, for the inside of a text field.
    QByteArray text(qsizetype count);
    template <std::size_t N> const char *pick(const char *const (&choices)[N]) { return choices[below(N)]; }

    std::mt19937 m_random;
};
