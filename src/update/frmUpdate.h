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

    // Fills in both version numbers and shows the window without blocking.
    void showVersions(const QString &newest, const QString &yours);

    QLabel *lblCurrent;
    QLabel *lblYour;
    ClickableLabel *lblDownload;
    ClickableLabel *lblSkip;

private:
    QUrl m_downloadAddress;
};
