#pragma once

#include <QtGlobal>

class Profile;
class clsDataBuffer;

// Hands one received message to the handler of its id, for the profile it
// arrived on. The reader stands on the first payload byte. Ids without a
// handler are ignored.
void DispatchPacket(Profile &profile, quint8 id, clsDataBuffer &message);
