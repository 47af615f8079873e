#pragma once

#include "support/ConnectedProfileTest.h"

#include <QStringList>

// A connected profile 0 (account "probe") whose flood guard is on, as a
// profile's settings turn it on, with the tick clock in the test's hands.
class GuardedProfileTest : public ConnectedProfileTest<> {
protected:
    void SetUp() override;
    // The chat messages 0x0E the client sent, in order.
    QStringList chatSent() const;
    bool waitForSent(qsizetype count) const;
    // Lets the clock run on and the guard's timer come.
    void after(quint32 milliseconds);
};
