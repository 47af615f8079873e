#pragma once

#include "packet/ReceiveBuffer.h"
#include "profiles/PerProfileObject.h"

#include <QByteArray>

// Cuts one profile's incoming byte stream into messages and hands each whole
// message to its handler, strictly in arrival order. Incomplete messages wait
// in the buffer for the rest of their bytes.
class PacketReceiver : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;

    // Appends newly arrived bytes and dispatches every message they complete.
    // A handler that fails is reported and the next message still runs.
    void DataArrival(const QByteArray &bytes);
    // Forgets every buffered byte: a new connection does not inherit the
    // unfinished message of an old one.
    void Discard() { m_buffer.clear(); }
    qsizetype bufferedBytes() const { return m_buffer.size(); }
    // While a message's handler runs (and any event loop it enters).
    bool isDispatching() const { return m_dispatching; }

private:
    void HandleMessage(const QByteArray &message);
    void ReportViolation(quint8 firstByte);

    ReceiveBuffer m_buffer;
    // Set while the loop runs, so that bytes arriving from inside a handler
    // (a dialog running its own event loop) queue up behind the current
    // message instead of overtaking it.
    bool m_dispatching = false;
};
