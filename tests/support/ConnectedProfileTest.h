#pragma once

#include "support/ServerProgram.h"

#include <gtest/gtest.h>

// A started program whose profile 0 is connected to the test server (the
// server holds its 0x50 and first ping); `profiles` profiles in all.
template <int profiles = 1>
class ConnectedProfileTest : public ::testing::Test {
protected:
    ServerProgram p;
    TarnwellApp &app = p.app();
    int connection = -1;

    void SetUp() override
    {
        p.startUp(profiles);
        connection = p.connect(0);
        ASSERT_GE(connection, 0);
    }
};
