#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class clsDataBuffer;

// Checked reads of a server reply's fields, front to back from the reader's
// position. A reply that ends before a field it must carry is a Failure:
// no field is ever read past the end or made up of zeros.
class ReplyReader {
public:
    explicit ReplyReader(clsDataBuffer &message) : m_message(message) {}

    quint32 int32();
    QByteArray bytes(qsizetype count);
    // A zero-terminated text in the wire's code page; a text without its
    // terminating zero was cut short.
    QString text();
    bool atEnd() const { return remaining() == 0; }

private:
    qsizetype remaining() const;
    [[noreturn]] void tooShort(const QString &field) const;

    clsDataBuffer &m_message;
};
