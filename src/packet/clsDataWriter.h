#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Builds the payload of one outgoing message, field after field. A writer is
// never cleared: each message gets a fresh one.
class clsDataWriter {
public:
    // The payload so far, without the message header.
    QByteArray buffer;

    void InsertByte(quint8 value);
    void InsertInt16(qint16 value);
    void InsertInt32(qint32 value);
    // Appends the bytes as they are: fixed-size fields and four-character codes.
    void InsertString(const QByteArray &bytes);
    // Appends the bytes and a terminating zero byte. Bytes that hold a zero
    // themselves are refused, since the receiver would end the field there and
    // misread every field after it.
    void InsertCString(const QByteArray &bytes);
    // InsertCString of the text encoded in the wire's code page.
    void InsertCStringText(const QString &text);

    // Little-endian wire form of the value.
    static QByteArray CreateInt16(qint16 value);
    static QByteArray CreateInt32(qint32 value);
};
