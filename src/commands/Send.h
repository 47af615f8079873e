#pragma once

#include <QString>

class TarnwellApp;

// The one road by which chat text and server commands leave the client: one
// chat message 0x0E per line on the profile's connection, with ordinary chat
// echoed into the profile's pane. Failures go to the error log.
void Send(TarnwellApp &app, int profileIndex, const QString &text);
