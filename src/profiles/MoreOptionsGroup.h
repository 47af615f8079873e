#pragma once

#include "profiles/ConfigurationGroup.h"

class QCheckBox;
class TarnwellApp;

// The configuration dialog's controls for the options the original did not
// have.
class MoreOptionsGroup : public ConfigurationGroup {
    Q_OBJECT
public:
    explicit MoreOptionsGroup(TarnwellApp &app);

    void load(const QString &profileName) override;
    void save(const QString &profileName) override;

    QCheckBox *chkLogChat;
    QCheckBox *chkReconnectAfterClose;

private:
    TarnwellApp &m_app;
};
