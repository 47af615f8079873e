#pragma once

class Profile;

// Asks the server for the account summary (0x26 with the ten account keys)
// of the account the profile entered chat with.
void RequestAccountKeys(Profile &profile);
