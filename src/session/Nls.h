#pragma once

#include "session/BigNumber.h"
#include "session/RandomSource.h"

#include <QByteArray>
#include <memory>
#include <optional>

// The SRP logon ("NLS"): the client proves it knows the password without
// sending it, and the server proves it knows the account's verifier.
//
// One context serves one logon: it draws its private value a when made, and
// the first server challenge (B and salt) it answers is the one it keeps.
// Numbers are 32 bytes and digests 20, in the order they travel; arguments of
// another size are a Failure.
class NlsContext;

// The username and password are taken as given (up to any NUL byte) and
// upper-cased in ASCII, as the servers do. Null when no randomness can be had.
// The context keeps `random` for the draws of account creation and password
// change.
std::unique_ptr<NlsContext> nls_init(const QByteArray &username, const QByteArray &password,
                                     std::shared_ptr<RandomSource> random = systemRandom());
void nls_free(std::unique_ptr<NlsContext> &context);

// A = g^a mod N.
QByteArray nls_get_A(const NlsContext &context);

// M1 for the server's B and salt. A context answers one challenge only: asking
// again with the same B and salt gives the same M1, another pair is a Failure.
QByteArray nls_get_M1(NlsContext &context, const QByteArray &B, const QByteArray &salt);

// Whether the server's M2 proves it knows the verifier. B and salt may be left
// empty once the context has answered the challenge.
bool nls_check_M2(NlsContext &context, const QByteArray &M2, const QByteArray &B = {}, const QByteArray &salt = {});

// What a new account is registered with: a fresh random salt (32 bytes), the
// verifier for it (32), and the upper-cased username with a terminating NUL.
// Nothing when that would not fit in `capacity` bytes (callers pass the
// username's length + 65) or when no randomness can be had.
std::optional<QByteArray> nls_account_create(NlsContext &context, qsizetype capacity);

struct NlsChangeProof {
    // The context of the new password, for the logon that follows.
    std::unique_ptr<NlsContext> context;
    // M1 with the old password for B and salt (20 bytes), then a fresh random
    // salt (32) and the new password's verifier for it (32).
    QByteArray proof;
};

// Proves the old password and registers a new one. Draws the new context's
// private value first, then the new salt. Nothing when no randomness can be had.
std::optional<NlsChangeProof> nls_account_change_proof(NlsContext &context, const QByteArray &newPassword,
                                                       const QByteArray &B, const QByteArray &salt);

class NlsContext {
public:
    // The password copy is wiped before its memory is given back.
    ~NlsContext();
    NlsContext(const NlsContext &) = delete;
    NlsContext &operator=(const NlsContext &) = delete;

private:
    NlsContext(QByteArray username, QByteArray password, BigNumber privateValue, std::shared_ptr<RandomSource> random);

    // What the answer to the server's challenge produced.
    struct Exchange {
        QByteArray serverKey;
        QByteArray salt;
        QByteArray clientProof;
        QByteArray serverProof;
    };

    const Exchange &answer(const QByteArray &serverKey, const QByteArray &salt);

    friend std::unique_ptr<NlsContext> nls_init(const QByteArray &username, const QByteArray &password,
                                                std::shared_ptr<RandomSource> random);
    friend QByteArray nls_get_A(const NlsContext &context);
    friend QByteArray nls_get_M1(NlsContext &context, const QByteArray &B, const QByteArray &salt);
    friend bool nls_check_M2(NlsContext &context, const QByteArray &M2, const QByteArray &B, const QByteArray &salt);
    friend std::optional<QByteArray> nls_account_create(NlsContext &context, qsizetype capacity);
    friend std::optional<NlsChangeProof> nls_account_change_proof(NlsContext &context, const QByteArray &newPassword,
                                                                  const QByteArray &B, const QByteArray &salt);

    QByteArray m_username;
    QByteArray m_password;
    BigNumber m_privateValue;
    QByteArray m_clientKey;
    std::shared_ptr<RandomSource> m_random;
    std::optional<Exchange> m_exchange;
};
