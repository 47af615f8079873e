#pragma once

#include "update/UpdateServer.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class QTcpSocket;
class ProgramShell;
class frmUpdate;

// The version query at start: one HTTP request to the update server on the
// socket sckVersion, the reply gathered (at most kMaxUpdateReplyBytes) until
// its 11th line or the server's close, and the notice window when the server
// names a newer version. Socket errors are written in red to the current
// profile's pane; nothing here opens a modal box.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    UpdateCheck(ProgramShell &program, UpdateServer server);
    ~UpdateCheck() override;

    void setServer(const UpdateServer &server) { m_server = server; }
    const UpdateServer &server() const { return m_server; }
    // Connects to the update server; without one it does nothing.
    void start();

    QTcpSocket *sckVersion;
    // Null until a newer version was announced.
    frmUpdate *notice() const { return m_notice.get(); }
    // The reply bytes held so far.
    qsizetype gatheredBytes() const { return m_reply.size(); }

private:
    void sckVersion_Connect();
    void sckVersion_DataArrival();
    void sckVersion_Close();
    void sckVersion_Error(int error);
    // Acts on what the reply holds; closed tells that no more will come.
    void decide(bool closed);

    ProgramShell &m_program;
    UpdateServer m_server;
    QByteArray m_reply;
    bool m_decided = false;
    std::unique_ptr<frmUpdate> m_notice;
};
