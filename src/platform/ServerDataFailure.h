#pragma once

#include "platform/Failure.h"

// A failure caused by what a server sent, not by the program: a message
// that ends before its fields, a statstring that does not read, a ping out
// of range, a channel with more users than the store keeps. It is recorded
// in the error log like any other but does not bring the log up over the
// chat: a server can send such data every few seconds.
class ServerDataFailure : public Failure {
public:
    using Failure::Failure;
};

// Whether the exception being handled is a ServerDataFailure; false when none
// is being handled.
bool CurrentFailureComesFromServer();
