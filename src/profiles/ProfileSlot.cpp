#include "profiles/ProfileSlot.h"

#include "channel/ChannelUserModel.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "display/ProfileChat.h"
#include "filters/clsFilters.h"
#include "platform/Failure.h"
#include "profiles/ProfileSecrets.h"
#include "profiles/ProgramServices.h"
#include "session/FloodGuard.h"
#include "session/PacketDispatch.h"
#include "session/SocketEvents.h"
#include "session/clsConnection.h"

#include <QTcpSocket>
#include <QTextDocument>

namespace {

template <typename T>
T &madeOnFirstUse(std::unique_ptr<T> &part, Profile &profile)
{
    if (!part)
        part = std::make_unique<T>(profile);
    return *part;
}

} // namespace

ProfileSlot::ProfileSlot(ProgramServices &program) : m_program(program) {}

ProfileSlot::~ProfileSlot()
{
    WipePasswords(record());
}

clsConnection &ProfileSlot::connection()
{
    return madeOnFirstUse(m_connection, *this);
}

clsBNCS &ProfileSlot::bncs()
{
    return madeOnFirstUse(m_bncs, *this);
}

clsUsers &ProfileSlot::users()
{
    return madeOnFirstUse(m_users, *this);
}

clsFilters &ProfileSlot::filters()
{
    return madeOnFirstUse(m_filters, *this);
}

FloodGuard &ProfileSlot::floodGuard()
{
    return madeOnFirstUse(m_floodGuard, *this);
}

QTcpSocket &ProfileSlot::socket() const
{
    if (!m_socket)
        throw Failure(Failure::ObjectMissing, QStringLiteral("Object variable not set"));
    return *m_socket;
}

QTextDocument &ProfileSlot::pane() const
{
    if (!m_pane)
        throw Failure(Failure::ObjectMissing, QStringLiteral("Object variable not set"));
    return *m_pane;
}

bool ProfileSlot::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void ProfileSlot::dispatch(quint8 id, clsDataBuffer &message)
{
    DispatchPacket(*this, id, message);
}

void ProfileSlot::forgetChannel()
{
    users().ClearUsers();
    bncs().rows().clear();
}

void ProfileSlot::AddChat(const ChatItems &items)
{
    try {
        WriteProfileChat(*this, items);
    } catch (...) {
        LogError(QStringLiteral("AddChat()"), QStringLiteral("modFunctions"));
    }
}

void ProfileSlot::LogError(const QString &procedure, const QString &module)
{
    m_program.LogError(procedure, module);
}

Clock &ProfileSlot::clock() const
{
    return m_program.clock();
}

const Settings &ProfileSlot::settings() const
{
    return m_program.settings();
}

ConnectionTimers &ProfileSlot::timers() const
{
    return m_program.timers();
}

void ProfileSlot::createControlSet()
{
    if (!m_socket) {
        m_socket = new QTcpSocket(this);
        WireSocketEvents(*this);
    }
    if (!m_pane) {
        m_pane = new QTextDocument(this);
        // A chat pane only grows at its end; undo history would keep every
        // line twice.
        m_pane->setUndoRedoEnabled(false);
    }
}
