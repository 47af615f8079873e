#pragma once

class TarnwellApp;
class clsDataBuffer;
class QByteArray;

// The server's answers to key requests and the profile window's save.

// A 0x26 reply: a user's profile goes to the profile window, the own
// account's summary to the profile's chat. Failures go to the error log.
void Recieve0x26(TarnwellApp &app, int profileIndex, clsDataBuffer &message);
// Writes "Account created: ", "Last logon: ", "Last log off: " and "Time
// Logged: " from an account-summary reply (the whole message).
void ShowAccountKeys(TarnwellApp &app, int profileIndex, const QByteArray &message);
// Sends the edited profile to the account and on the connection the window
// was opened for, and closes the window.
void SaveProfile(TarnwellApp &app);
