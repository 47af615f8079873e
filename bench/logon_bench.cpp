// How fast the logon computations run: password proofs of the classic logon
// and whole SRP logons as the client does them.
#include "session/Nls.h"
#include "session/PasswordHash.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

// Runs `work` in batches for about two seconds; returns runs per second.
template <typename Work> double runsPerSecond(int batch, Work work)
{
    QElapsedTimer timer;
    timer.start();
    qint64 runs = 0;
    while (timer.elapsed() < 2000) {
        for (int i = 0; i < batch; ++i)
            work(static_cast<std::uint32_t>(runs + i));
        runs += batch;
    }
    return static_cast<double>(runs) * 1e9 / static_cast<double>(timer.nsecsElapsed());
}

}

int main()
{
    // Keeps the results alive so that no work is optimised away.
    unsigned checksum = 0;

    const double hashes = runsPerSecond(10000, [&](std::uint32_t serverToken) {
        checksum += static_cast<unsigned char>(doubleHashPassword("password", 0x12345678, serverToken).at(0));
    });
    std::printf("doubleHashPassword: %.0f hashes/s\n", hashes);

    // A server challenge; the M2 check fails against a random a, at the same cost.
    const QByteArray B = QByteArray::fromHex("971d29ea89fd678f67f27fd96a6d7636e231ec4b39f6a8c5ae4dc652bb90dd46");
    const QByteArray salt = QByteArray::fromHex("8d5d41e9a604841a985cdaef179fa24fc47e1ae856efcb0b5fb9a14636a22a65");
    const QByteArray M2 = QByteArray::fromHex("90371f342e78a103bbc92d6ec8feba2024808dd6");
    const double logons = runsPerSecond(50, [&](std::uint32_t) {
        std::unique_ptr<NlsContext> context = nls_init("TestUser", "secret");
        checksum += static_cast<unsigned char>(nls_get_A(*context).at(0));
        checksum += static_cast<unsigned char>(nls_get_M1(*context, B, salt).at(0));
        checksum += nls_check_M2(*context, M2) ? 1 : 0;
    });
    std::printf("SRP logon (nls_init, A, M1, M2 check): %.0f logons/s\n", logons);

    std::printf("(checksum %u)\n", checksum);
    return 0;
}
