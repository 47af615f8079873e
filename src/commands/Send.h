#pragma once

#include <QString>

class TarnwellApp;

// The one road by which chat text and server commands leave the client: one
// chat message 0x0E per line on the profile's connection, with ordinary chat
// echoed into the profile's pane. Failures go to the error log.
// The text goes out in the profile's encoding; the echo shows what the
// others read, and a grey line tells how many characters could not be sent.
void Send(TarnwellApp &app, int profileIndex, const QString &text);

// The grey line telling that `count` characters of what the profile just sent
// could not be sent in its encoding; nothing for none.
void ReportUnsendable(TarnwellApp &app, int profileIndex, int count);
