#pragma once

#include <QByteArray>
#include <QtGlobal>

class TarnwellApp;

// A chat event message exactly as the server sends it, header included, with
// the server's usual values in the three unused fields.
QByteArray ChatEventMessage(quint32 id, quint32 flags, qint32 ping, const QByteArray &name, const QByteArray &text);

// Hands a whole message to a profile's chat events as the receive path does:
// the reader past the four header bytes.
void DeliverChatEvent(TarnwellApp &app, int profileIndex, const QByteArray &message);
