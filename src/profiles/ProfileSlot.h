#pragma once

#include "profiles/Profile.h"

#include <memory>

class ProgramServices;

// The profile at one place of the program's list: its parts, made on first
// use, its socket and its chat pane. It is made with the profile and goes
// with it.
class ProfileSlot final : public Profile {
public:
    explicit ProfileSlot(ProgramServices &program);
    ~ProfileSlot() override;

    clsConnection &connection() override;
    clsBNCS &bncs() override;
    clsUsers &users() override;
    clsFilters &filters() override;
    FloodGuard &floodGuard() override;
    QTcpSocket &socket() const override;
    QTextDocument &pane() const override;
    bool isConnected() const override;
    void dispatch(quint8 id, clsDataBuffer &message) override;
    void forgetChannel() override;
    void AddChat(const ChatItems &items) override;
    void LogError(const QString &procedure, const QString &module) override;
    Clock &clock() const override;
    const Settings &settings() const override;
    ConnectionTimers &timers() const override;

    // Gives the slot its socket and pane, once.
    void createControlSet();
    bool hasPane() const { return m_pane != nullptr; }

private:
    ProgramServices &m_program;
    std::unique_ptr<clsConnection> m_connection;
    std::unique_ptr<clsBNCS> m_bncs;
    std::unique_ptr<clsUsers> m_users;
    std::unique_ptr<clsFilters> m_filters;
    std::unique_ptr<FloodGuard> m_floodGuard;
    QTcpSocket *m_socket = nullptr;
    QTextDocument *m_pane = nullptr;
};
