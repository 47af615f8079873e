#pragma once

#include "profiles/PerProfileObject.h"

#include <QSet>
#include <QString>
#include <QtGlobal>

#include <memory>

class ChannelUserModel;
class clsDataBuffer;
struct ChatEvent;
struct ProfileRecord;

// One profile's chat events: each event brings the profile's user store and
// its channel list rows up to date, and writes its line to the profile's chat
// pane.
class clsBNCS : public PerProfileObject {
public:
    clsBNCS(Profile &profile);
    ~clsBNCS() override;

    // Handles one chat event message, the reader on its first payload byte.
    // A failure ends the handling of that message only and goes to the
    // error log; what was already updated stays.
    void ParseEvents(clsDataBuffer &buffer);

    // Makes or remakes the user's row: representatives and operators at the
    // top, everyone else at the 1-based place varIndex, or at the end for 0.
    // Failures go to the error log.
    void AddUser(const QString &username, quint32 flags, qint32 ping, const QString &statString, int varIndex);
    // Removes the user's row.
    void RemoveUser(const QString &username);
    // The profile's channel list rows, which the list shows while the
    // profile is on screen.
    ChannelUserModel &rows();
    // Tells the channel label: the channel and its number of rows.
    void ShowRowCount();

    // The user's statstring in words. One that cannot be described is
    // reported once per user while the profile stays in the channel, and
    // reads as its product's plain name: the row, the join line and the tip
    // would otherwise report it again at every rebuild and hover.
    QString DescribeUser(const QString &username, const QString &statstring);
    // Users that leave stay remembered until the next channel; past this
    // many, a server sending ever new names with broken statstrings is not
    // reported any further there, so neither the memory nor the log grows
    // without end.
    static constexpr qsizetype kMaxUndescribedUsers = 1000;

private:
    void HandleEvent(const ChatEvent &event);
    void ShowUser(const ChatEvent &event);
    void Join(const ChatEvent &event);
    void Leave(const ChatEvent &event);
    void WhisperFrom(const ChatEvent &event);
    void Talk(const ChatEvent &event);
    void EnterChannel(const ChatEvent &event);
    void FlagsUpdate(const ChatEvent &event);
    void Emote(const ChatEvent &event);

    // The event's text is filtered as a message, or its sender as a user.
    bool IsFiltered(const ChatEvent &event) const;
    // The text mentions the name the server gave the profile, in any letter case.
    bool Mentions(const QString &text) const;

    QSet<QString> m_undescribedUsers;
    std::unique_ptr<ChannelUserModel> m_rows;
};
