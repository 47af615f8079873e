#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class TarnwellApp;

// Reads a profile's "Anti idle" settings (interval in minutes, message,
// status) into its record. Each key stands alone: one that cannot be read or
// converted leaves its field as it was.
void LoadIdleSettings(TarnwellApp &app, int profileIndex);

// The idle message of a profile with its variables filled in: %mp3, %v,
// %suptime, %cuptime, %wmp, then %itunes.
QString ExpandIdleMessage(TarnwellApp &app, int profileIndex);

// The one timer that sends every profile's idle message once its interval
// has passed since the last one.
class AntiIdle : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickInterval = 10000;

    AntiIdle(TarnwellApp &app, QObject *parent);

    void tmrIdle_Timer();

private:
    TarnwellApp &m_app;
    QTimer m_tmrIdle;
};
