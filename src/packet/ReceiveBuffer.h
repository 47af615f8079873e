#pragma once

#include <QByteArray>
#include <QtGlobal>

// The bytes of one profile's connection that have arrived but not yet been
// cut into messages. Messages are taken from the front by moving a read
// offset; the consumed bytes are dropped once per append, so a read that
// brings thousands of messages costs time in proportion to its size.
class ReceiveBuffer {
public:
    static constexpr qsizetype kHeaderLength = 4;

    void append(const QByteArray &bytes);
    // Bytes not yet taken.
    qsizetype size() const { return m_bytes.size() - m_start; }
    bool isEmpty() const { return size() == 0; }
    // The first byte not yet taken; throws Failure when there is none.
    quint8 firstByte() const;
    // The signed 16-bit length field of the message at the front; throws
    // Failure while fewer than four bytes are buffered.
    qint16 declaredLength() const;
    // Removes and returns the first count bytes; throws Failure when fewer
    // are buffered.
    QByteArray take(qsizetype count);
    void clear();

private:
    quint8 byteAt(qsizetype offset) const;

    QByteArray m_bytes;
    qsizetype m_start = 0;
};
