// The SRP logon: A and the user name (0x53), the server's challenge, the
// client's proof M1 (0x54) and the check of the server's proof M2.

#include "packet/clsDataWriter.h"
#include "platform/Cp1252.h"
#include "profiles/Profile.h"
#include "session/NlsMath.h"
#include "session/ReplyReader.h"
#include "session/clsConnection.h"

bool clsConnection::EnsureSrpContext()
{
    if (m_srp.context)
        return true;
    const ProfileRecord &record = profile().record();
    // Name and password go as they are: the SRP logon upper-cases both.
    m_srp.context = nls_init(Cp1252::encode(record.Username), Cp1252::encode(record.Password));
    if (m_srp.context)
        return true;
    NlsFailed();
    return false;
}

void clsConnection::NlsFailed()
{
    DisconnectWith(QStringLiteral("Cannot initialize NLS!"));
}

void clsConnection::SendClientKey(int id)
{
    if (!EnsureSrpContext())
        return;
    m_srp.A = nls_get_A(m_srp.current());
    clsDataWriter writer;
    writer.InsertString(m_srp.A);
    writer.InsertCStringText(profile().record().Username);
    SendPacket(id, writer.buffer);
}

void clsConnection::Send0x53()
{
    profile().guard("Send0x53()", "clsConnection", [&] { SendClientKey(0x53); });
}

void clsConnection::Receive0x53(clsDataBuffer &message)
{
    profile().guard("Receive0x53()", "clsConnection", [&] {
        ReplyReader reply(message);
        switch (reply.int32()) {
        case 0: {
            m_srp.salt = reply.bytes(Nls::NumberSize);
            m_srp.B = reply.bytes(Nls::NumberSize);
            clsDataWriter writer;
            writer.InsertString(nls_get_M1(m_srp.current(), m_srp.B, m_srp.salt));
            SendPacket(0x54, writer.buffer);
            break;
        }
        case 1:
            Send0x52();
            break;
        case 5:
            Send0x57();
            break;
        default:
            DisconnectWith(QStringLiteral("There has been a unknown reponse in packet 0x53!"));
            break;
        }
    });
}

void clsConnection::Receive0x54(clsDataBuffer &message)
{
    profile().guard("Receive0x54()", "clsConnection", [&] {
        ReplyReader reply(message);
        const quint32 status = reply.int32();
        m_srp.M2 = reply.bytes(Nls::DigestSize);
        switch (status) {
        case 2:
            DisconnectWith(QStringLiteral("Password is incorrect, try again!"));
            return;
        case 15:
            Disconnect();
            return;
        case 14: {
            const ProfileRecord &record = profile().record();
            if (record.Mode == QLatin1String("Register")) {
                Chat(Rgb(0xAAAAAA), QStringLiteral("Attempting to register account..."));
                Send0x59(record.Email);
            }
            break;
        }
        default:
            break;
        }
        if (!nls_check_M2(m_srp.current(), m_srp.M2, m_srp.B, m_srp.salt)) {
            DisconnectWith(QStringLiteral("Password has been rejected by Battle.net!"));
            return;
        }
        Chat(Rgb(0xC2B822), QStringLiteral("Login accepted, entering chat environment..."));
        JoinChat();
    });
}
