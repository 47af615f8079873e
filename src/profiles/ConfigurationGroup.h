#pragma once

#include "platform/IniFile.h"

#include <QGroupBox>

#include <vector>

// A group of the configuration dialog that reads and writes settings of its
// own: it is filled when the dialog is, and saved with the dialog's other
// settings in the same write, before the profile's record is read again from them.
class ConfigurationGroup : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // Shows the profile's stored values; an empty name shows the defaults.
    // Failures are thrown to the dialog.
    virtual void load(const QString &profileName) = 0;
    // Adds the shown values of the profile's Config.ini to those the dialog
    // saves in one write.
    virtual void collect(std::vector<IniFile::Entry> &entries) const = 0;
    // Writes what the group keeps outside the profile's Config.ini, once
    // that is saved; failures are thrown to the dialog.
    virtual void saveElsewhere() const {}
};
