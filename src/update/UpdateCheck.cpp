#include "update/UpdateCheck.h"

#include "platform/Cp1252.h"
#include "profiles/Profile.h"
#include "profiles/ProgramShell.h"
#include "profiles/Settings.h"
#include "session/SocketErrorNumbers.h"
#include "update/UpdateReply.h"
#include "update/frmUpdate.h"

#include <QTcpSocket>

UpdateCheck::UpdateCheck(ProgramShell &program, UpdateServer server)
    : sckVersion(new QTcpSocket(this)), m_program(program), m_server(std::move(server))
{
    sckVersion->setObjectName(QStringLiteral("sckVersion"));
    // Qt reads no further ahead than the reply can be long.
    sckVersion->setReadBufferSize(kMaxUpdateReplyBytes + 1);
    connect(sckVersion, &QTcpSocket::connected, this, &UpdateCheck::sckVersion_Connect);
    connect(sckVersion, &QTcpSocket::readyRead, this, &UpdateCheck::sckVersion_DataArrival);
    connect(sckVersion, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            sckVersion_Close();
        else
            sckVersion_Error(error);
    });
}

UpdateCheck::~UpdateCheck() = default;

void UpdateCheck::start()
{
    if (!m_server.isSet())
        return;
    m_reply.clear();
    m_decided = false;
    sckVersion->abort();
    sckVersion->connectToHost(m_server.host, m_server.port);
}

void UpdateCheck::sckVersion_Connect()
{
    m_program.guard("sckVersion_Connect", "frmMain", [this] {
        const QByteArray request = "GET /de/TarnwellVer.txt HTTP/1.1\r\n"
                                   "User-Agent: Tarnwell\r\n"
                                   "Host: " + m_server.host.toLatin1() + "\r\n"
                                   "Connection: Keep-Alive\r\n"
                                   "\r\n";
        sckVersion->write(request);
    });
}

void UpdateCheck::sckVersion_DataArrival()
{
    m_program.guard("sckVersion_DataArrival", "frmMain", [this] {
        if (m_decided) {
            // The answer is in; later bytes are not kept.
            sckVersion->skip(sckVersion->bytesAvailable());
            return;
        }
        const qsizetype room = kMaxUpdateReplyBytes + 1 - m_reply.size();
        m_reply.append(sckVersion->read(room));
        decide(false);
    });
}

void UpdateCheck::sckVersion_Close()
{
    m_program.guard("sckVersion_Close", "frmMain", [this] {
        if (!m_decided)
            decide(true);
    });
}

void UpdateCheck::decide(bool closed)
{
    const UpdateDecision decision = DecideUpdate(m_reply, closed);
    switch (decision.kind) {
    case UpdateDecision::Wait:
        return;
    case UpdateDecision::TooLong:
        // A server that sends this much is not the update server: give up
        // without a word.
        sckVersion->abort();
        break;
    case UpdateDecision::NoUpdate:
        break;
    case UpdateDecision::Offer:
        if (!m_notice)
            m_notice = std::make_unique<frmUpdate>(m_server.downloadAddress());
        m_notice->showVersions(Cp1252::decode(decision.newest), QString::fromLatin1(kProgramVersion),
                               m_program.mainWidget());
        break;
    }
    m_decided = true;
    m_reply.clear();
    m_reply.squeeze();
}

void UpdateCheck::sckVersion_Error(int error)
{
    m_program.guard("sckVersion_Error", "frmMain", [this, error] {
        const SocketErrorNumber winsock = WinsockError(static_cast<QAbstractSocket::SocketError>(error));
        m_program.current().AddChat({Rgb(0xBD3D3D), QStringLiteral("Update version Error #") +
                                                                 QString::number(winsock.number) +
                                                                 QStringLiteral(" - ") + winsock.description});
    });
}
