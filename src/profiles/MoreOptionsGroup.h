#pragma once

#include "profiles/ConfigurationGroup.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class TarnwellApp;

// The configuration dialog's controls for the newer options: the profile's
// own, and the program-wide desktop notifications.
class MoreOptionsGroup : public ConfigurationGroup {
    Q_OBJECT
public:
    explicit MoreOptionsGroup(TarnwellApp &app);

    void load(const QString &profileName) override;
    void save(const QString &profileName) override;

    QCheckBox *chkLogChat;
    QCheckBox *chkReconnectAfterClose;
    QCheckBox *chkFloodGuard;
    QSpinBox *spnFloodLines;
    QSpinBox *spnFloodSeconds;
    QSpinBox *spnFloodCharacters;
    QSpinBox *spnMaxLineBytes;
    QComboBox *cboEncoding;
    QCheckBox *chkNotifications;

private:
    TarnwellApp &m_app;
};
