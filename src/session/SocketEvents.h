#pragma once

#include <QString>

class Profile;

// The events of a profile's socket. Each is handled as an event of its own,
// after whatever raised it has finished, and only while the connection
// attempt it belongs to is still the profile's current one.
void WireSocketEvents(Profile &profile);

// The connection is up: the protocol byte, the client information message
// and the first ping. Each step stands alone.
void sckBNET_Connect(Profile &profile);
void sckBNET_DataArrival(Profile &profile);
// The server closed the connection: disconnect; reconnect later only when
// the profile's Reconnect After Close option is on.
void sckBNET_Close(Profile &profile);
// The socket failed: tell the user, disconnect, and retry automatically
// (every 10 seconds, or on the wider steps of a reconnection after a close).
void sckBNET_Error(Profile &profile, int number, const QString &description);
