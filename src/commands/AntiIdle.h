#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class CommandHost;
class Profile;

// Reads a profile's "Anti idle" settings (interval in minutes, message,
// status) into its record. Each key stands alone: one that cannot be read or
// converted leaves its field as it was.
void LoadIdleSettings(Profile &profile);

// The idle message of a profile with its variables filled in: %mp3, %v,
// %suptime, %cuptime, %wmp, then %itunes.
QString ExpandIdleMessage(const CommandHost &program, const Profile &profile);

// The one timer that sends every profile's idle message once its interval
// has passed since the last one.
class AntiIdle : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickInterval = 10000;

    AntiIdle(CommandHost &program, QObject *parent);

    void tmrIdle_Timer();

private:
    CommandHost &m_program;
    QTimer m_tmrIdle;
};
