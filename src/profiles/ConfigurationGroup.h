#pragma once

#include <QGroupBox>

// A group of the configuration dialog that reads and writes settings of its
// own: it is filled when the dialog is, and saved with the dialog's other
// settings, before the profile's record is read again from them.
class ConfigurationGroup : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // Shows the profile's stored values; an empty name shows the defaults.
    // Failures are thrown to the dialog.
    virtual void load(const QString &profileName) = 0;
    // Writes the shown values; failures are thrown to the dialog.
    virtual void save(const QString &profileName) = 0;
};
