// Whole logons one after the other against the local test server, from
// connecting to the server's enter-chat reply, with the password hash and
// with SRP; beside them, the bare computations each logon must make.
#include "Figures.h"
#include "Sections.h"

#include "session/Nls.h"
#include "session/PasswordHash.h"
#include "session/clsConnection.h"
#include "support/LogonSession.h"
#include "support/SrpAccountServer.h"
#include "support/WaitUntil.h"

#include <cstdio>

namespace {

constexpr int kLogons = 100;

// Logons per second, each connecting, logging on and entering chat.
double logonsPerSecond(ProgramLogonSession &session)
{
    session.server().onMessage(0x0C, [&session](int to, const TestServer::Message &) {
        session.server().sendMessage(to, 0x0A, QByteArray("probeA\0RATS 0 0 0 0 0 0 0 0 RATS\0probeA\0", 40));
    });
    const ProfileState &profile = session.state();
    QElapsedTimer timer;
    timer.start();
    for (int logon = 0; logon < kLogons; ++logon) {
        if (!session.connect() || !WaitUntil([&] { return profile.EnterChatTick != 0; }))
            return 0;
        session.profiles.profile(0).connection().Disconnect();
    }
    return kLogons / Figures::seconds(timer);
}

// Runs per second of `work`, for about a second.
template <typename Work> double runsPerSecond(Work work)
{
    QElapsedTimer timer;
    timer.start();
    qint64 runs = 0;
    while (timer.elapsed() < 1000)
        work(static_cast<std::uint32_t>(runs++));
    return static_cast<double>(runs) / Figures::seconds(timer);
}

} // namespace

void LogonFigures()
{
    // Keeps the bare results alive so that no work is optimised away.
    unsigned checksum = 0;

    Figures::heading("Full logons with the password hash (connect to chat, 127.0.0.1)");
    {
        ProgramLogonSession session(0);
        session.answer(0x3A, TestServer::message(0x3A, Word(0)));
        const double logons = logonsPerSecond(session);
        const double hashes = runsPerSecond([&](std::uint32_t serverToken) {
            checksum += static_cast<unsigned char>(doubleHashPassword("secret1", 0x12345678, serverToken).at(0));
        });
        Figures::pair("hash logons", logons, "per s", "bare password proofs", hashes);
    }

    Figures::heading("Full logons with SRP (connect to chat, 127.0.0.1, server proofs included)");
    {
        ProgramLogonSession session(2);
        SrpAccountServer accounts(session.server());
        accounts.createAccount("probeA", "Secret1");
        const double logons = logonsPerSecond(session);
        const QByteArray B = QByteArray::fromHex("971d29ea89fd678f67f27fd96a6d7636e231ec4b39f6a8c5ae4dc652bb90dd46");
        const QByteArray salt =
            QByteArray::fromHex("8d5d41e9a604841a985cdaef179fa24fc47e1ae856efcb0b5fb9a14636a22a65");
        const QByteArray M2 = QByteArray::fromHex("90371f342e78a103bbc92d6ec8feba2024808dd6");
        const double proofs = runsPerSecond([&](std::uint32_t) {
            std::unique_ptr<NlsContext> context = nls_init("probeA", "Secret1");
            checksum += static_cast<unsigned char>(nls_get_A(*context).at(0));
            checksum += static_cast<unsigned char>(nls_get_M1(*context, B, salt).at(0));
            checksum += nls_check_M2(*context, M2) ? 1 : 0;
        });
        Figures::pair("SRP logons", logons, "per s", "bare client SRP computations", proofs);
    }
    std::printf("  (checksum %u)\n", checksum);
}
