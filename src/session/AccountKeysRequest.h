#pragma once

class TarnwellApp;

// Asks the server for the account summary (0x26 with the ten account keys)
// of the account the profile entered chat with.
void RequestAccountKeys(TarnwellApp &app, int profileIndex);
