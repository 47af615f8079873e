#pragma once

#include <QUrl>
#include <QWidget>

class ClickableLabel;
class QLabel;

// The notice that a newer version exists, with the link to download it.
class frmUpdate : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdate(QUrl downloadAddress);

    // Fills in both version numbers and shows the window over its owner
    // without blocking and without taking the keyboard.
    void showVersions(const QString &newest, const QString &yours, QWidget &owner);

    QLabel *lblCurrent;
    QLabel *lblYour;
    ClickableLabel *lblDownload;
    ClickableLabel *lblSkip;

private:
    QUrl m_downloadAddress;
};
