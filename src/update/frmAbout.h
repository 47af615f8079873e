#pragma once

#include <QWidget>

class ClickableLabel;

// The about window: the program's name and version, what it is, and who
// made it.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout();

    ClickableLabel *lblClose;
};
