#pragma once

#include "display/Colour.h"

#include <QString>

class Profile;

// Who a line is sent for: the user (typed, or a command of theirs), or a
// server message that asked for it (the join after entering chat, a Void
// View's unignore), which the flood guard never queues twice.
enum class SendBy { User, Server };

// The one road by which chat text and server commands leave the client: one
// chat message 0x0E per line on the profile's connection, with ordinary chat
// echoed into the profile's pane. A line longer than the profile's longest
// line is cut into several, and each passes the flood guard. Failures go to
// the error log.
// The text goes out in the profile's encoding; the echo shows what the
// others read, and a grey line tells how many characters could not be sent.
void Send(Profile &profile, const QString &text, SendBy by = SendBy::User);

// One line that fits the server's line, sent at once, past the flood guard;
// chat is echoed at the end of the pane when `echo` is true.
void SendNow(Profile &profile, const QString &line, bool echo);

// The colours of an echoed chat line: the account name and ": ", then the text.
inline constexpr Colour kEchoNameColour = Rgb(0x00FFFF);
Colour EchoTextColour(const Profile &profile);

// The grey line telling that `count` characters of what the profile just sent
// could not be sent in its encoding; nothing for none.
void ReportUnsendable(Profile &profile, int count);
