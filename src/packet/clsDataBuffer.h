#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// Reads the fields of one received message, front to back. Handlers get it
// with `position` on the first payload byte and may move `position` themselves
// to skip or revisit a field.
//
// Every Read operation takes an optional source string: when it is given and
// not empty, the value comes from the start of that string and `position` is
// left alone.
//
// Reads of fixed width near the end return what is there (missing bytes count
// as zero) but still advance by the full width, so that the next ReadByte or
// ReadCString fails. Anything that would touch memory outside `buffer` throws
// a Failure instead.
class clsDataBuffer {
public:
    clsDataBuffer() = default;
    explicit clsDataBuffer(QByteArray message);

    // The whole message as framed, header included.
    QByteArray buffer;
    // 1-based index in `buffer` of the next byte to read.
    qint32 position = 1;

    quint8 ReadByte(const QByteArray &source = {});
    qint16 ReadInt16(const QByteArray &source = {});
    qint32 ReadInt32(const QByteArray &source = {});
    QByteArray ReadString(qint32 length, const QByteArray &source = {});
    // The bytes up to the next zero byte, or up to the end when there is none.
    QByteArray ReadCString(const QByteArray &source = {});
    // ReadCString decoded from the wire's code page.
    QString ReadCStringText(const QByteArray &source = {});

    // Little-endian value of the first bytes of `bytes`; missing ones count as zero.
    static qint16 ExtractInt16(QByteArrayView bytes);
    static qint32 ExtractInt32(QByteArrayView bytes);

private:
    qsizetype IndexOfPosition() const;
    void RequireByteAtPosition() const;
    void Advance(qsizetype width);
    // Views into the message or the source, valid until either changes: a
    // number read is never copied first.
    QByteArrayView TakeFromBuffer(qsizetype width);
    QByteArrayView FieldBytes(qsizetype width, const QByteArray &source);
};
