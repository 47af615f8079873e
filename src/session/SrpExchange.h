#pragma once

#include "session/Nls.h"

#include <QByteArray>
#include <memory>

// The SRP values of one connection's logon: the context that answers the
// server, and while a password change is under way the old password's
// context, whose session the server's proof of the change belongs to.
struct SrpExchange {
    std::unique_ptr<NlsContext> context;
    std::unique_ptr<NlsContext> previous;
    QByteArray A;
    QByteArray salt;
    QByteArray B;
    QByteArray M2;
    QByteArray changeProof;

    // The current context; a reply that needs one before the logon made it
    // is a Failure.
    NlsContext &current() const;
    NlsContext &previousContext() const;
    // Frees both contexts and forgets the values.
    void clear();
};
