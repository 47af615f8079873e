#pragma once

#include <QStringList>
#include <QtGlobal>

class Profile;
class TarnwellApp;

// The profile window's side of a profile: the user's profile a reply brought,
// and the save of an edited one.

// Shows the values of a 0x26 reply when it answers the window's request on
// this profile.
void ShowUserProfile(TarnwellApp &app, const Profile &profile, quint32 requestId, const QStringList &values);
// Sends the edited profile to the account and on the connection the window
// was opened for, and closes the window.
void SaveProfile(TarnwellApp &app);
