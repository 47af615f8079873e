#pragma once

#include <QString>

class TarnwellApp;

// The events of a profile's socket. Each is handled as an event of its own,
// after whatever raised it has finished, and only while the connection
// attempt it belongs to is still the profile's current one.
void WireSocketEvents(TarnwellApp &app, int profileIndex);

// The connection is up: the protocol byte, the client information message
// and the first ping. Each step stands alone.
void sckBNET_Connect(TarnwellApp &app, int index);
void sckBNET_DataArrival(TarnwellApp &app, int index);
// The server closed the connection: disconnect; reconnect later only when
// the profile's Reconnect After Close option is on.
void sckBNET_Close(TarnwellApp &app, int index);
// The socket failed: tell the user, disconnect, and retry automatically
// (every 10 seconds, or on the wider steps of a reconnection after a close).
void sckBNET_Error(TarnwellApp &app, int index, int number, const QString &description);
