#pragma once

#include "display/ChatItem.h"

class Profile;

// Writes one time-stamped line to the profile's chat pane and its log. While
// the screen is locked the pane holds the line back and the log takes it as
// it arrives; the first line after the unlock brings the held ones first. A
// pane past kAutoClearLimit starts afresh with a line saying so. Failures are
// thrown to the caller.
void WriteProfileChat(Profile &profile, const ChatItems &items);
