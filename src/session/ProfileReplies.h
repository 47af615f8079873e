#pragma once

class Profile;
class clsDataBuffer;
class QByteArray;

// The server's answers to key requests.

// A 0x26 reply: a user's profile is reported by the profile's signal, the
// own account's summary goes to the profile's chat. Failures go to the error log.
void Recieve0x26(Profile &profile, clsDataBuffer &message);
// Writes "Account created: ", "Last logon: ", "Last log off: " and "Time
// Logged: " from an account-summary reply (the whole message).
void ShowAccountKeys(Profile &profile, const QByteArray &message);
