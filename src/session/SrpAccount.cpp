// Account creation (0x52), password change (0x55, 0x56) and account upgrade
// (0x57) for the SRP logon.

#include "platform/Cp1252.h"
#include "profiles/Profile.h"
#include "session/NlsMath.h"
#include "session/ReplyReader.h"
#include "session/clsConnection.h"

void clsConnection::Send0x52()
{
    profile().guard("Send0x52()", "clsConnection", [&] {
        // Salt, verifier and the user name with its terminating zero.
        const qsizetype size = Cp1252::encode(profile().record().Username).size() + 65;
        std::optional<QByteArray> account = nls_account_create(m_srp.current(), size);
        if (!account) {
            NlsFailed();
            return;
        }
        SendPacket(0x52, *account);
        Chat(Rgb(0xCBC98C), QStringLiteral("Attempting to create account.."));
    });
}

void clsConnection::Receive0x52(clsDataBuffer &message)
{
    profile().guard("Receive0x52()", "clsConnection", [&] {
        switch (ReplyReader(message).int32()) {
        case 0:
            ReportAccountCreated();
            Send0x53();
            break;
        case 4:
            DisconnectWith(QStringLiteral("Account already exists!"));
            break;
        case 7:
            DisconnectWith(QStringLiteral("Account length is too short!"));
            break;
        case 8:
            DisconnectWith(QStringLiteral("Account contains an illegal character!"));
            break;
        case 9:
            DisconnectWith(QStringLiteral("Account contains an illegal word!"));
            break;
        case 10:
            DisconnectWith(QStringLiteral("Account contains too few alphanumeric characters!"));
            break;
        case 11:
            DisconnectWith(QStringLiteral("Account contains adjacent punctuation characters!"));
            break;
        default:
            DisconnectWith(QStringLiteral("Unexpected 0x52 response!"));
            break;
        }
    });
}

void clsConnection::Send0x55()
{
    SendClientKey(0x55);
}

void clsConnection::Receive0x55(clsDataBuffer &message)
{
    profile().guard("Receive0x55()", "clsConnection", [&] {
        ReplyReader reply(message);
        switch (reply.int32()) {
        case 0: {
            m_srp.salt = reply.bytes(Nls::NumberSize);
            m_srp.B = reply.bytes(Nls::NumberSize);
            const QByteArray newPassword = Cp1252::encode(profile().record().NewPassword);
            std::optional<NlsChangeProof> change =
                nls_account_change_proof(m_srp.current(), newPassword, m_srp.B, m_srp.salt);
            if (!change) {
                NlsFailed();
                return;
            }
            m_srp.previous = std::move(m_srp.context);
            m_srp.context = std::move(change->context);
            m_srp.changeProof = change->proof;
            QByteArray proof = m_srp.changeProof;
            SendPacket(0x56, proof);
            break;
        }
        case 1:
            Send0x52();
            break;
        case 2:
            Send0x57();
            break;
        default:
            DisconnectWith(QStringLiteral("There has been a unknown reponse in packet 0x55!"));
            break;
        }
    });
}

void clsConnection::Receive0x56(clsDataBuffer &message)
{
    profile().guard("Receive0x56()", "clsConnection", [&] {
        ReplyReader reply(message);
        switch (reply.int32()) {
        case 0:
            m_srp.M2 = reply.bytes(Nls::DigestSize);
            // The server proves the session of the old password, whose M1
            // went into the change proof; the new password's context has
            // not met the server yet and is kept for the logon that follows.
            if (!nls_check_M2(m_srp.previousContext(), m_srp.M2, m_srp.B, m_srp.salt)) {
                DisconnectWith(QStringLiteral("Change password proof has been rejected!"));
                return;
            }
            nls_free(m_srp.previous);
            if (StoreNewPassword())
                Send0x53();
            break;
        case 2:
            DisconnectWith(QStringLiteral("Cannot change your password, the current password is incorrect!"));
            break;
        default:
            DisconnectWith(QStringLiteral("There has been a unknown reponse in packet 0x56!"));
            break;
        }
    });
}

void clsConnection::Send0x57()
{
    QByteArray empty;
    SendPacket(0x57, empty);
}

void clsConnection::Receive0x57(clsDataBuffer &message)
{
    profile().guard("Receive0x57()", "clsConnection", [&] {
        ReplyReader reply(message);
        if (reply.int32() != 0) {
            DisconnectWith(QStringLiteral("Upgrade request was rejected!"));
            return;
        }
        profile().logon().ServerToken = reply.int32();
        Send0x53();
    });
}
