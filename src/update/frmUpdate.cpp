#include "update/frmUpdate.h"

#include "display/BringUp.h"
#include "display/ClickableLabel.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmUpdate::frmUpdate(QUrl downloadAddress)
    : QWidget(nullptr, Qt::Window), lblCurrent(plainLabel({}, this)), lblYour(plainLabel({}, this)),
      lblDownload(new ClickableLabel("lblDownload", QStringLiteral("Download"), this)),
      lblSkip(new ClickableLabel("lblSkip", QStringLiteral("Skip Update"), this)),
      m_downloadAddress(std::move(downloadAddress))
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(QStringLiteral("Time for an Update!"));
    lblCurrent->setObjectName(QStringLiteral("lblCurrent"));
    lblYour->setObjectName(QStringLiteral("lblYour"));

    QLabel *heading = plainLabel(QStringLiteral("Time for an Update!"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);
    QLabel *advice = plainLabel(
        QStringLiteral("There is a new update available. It is advised that you download it from the below link."), this);
    advice->setWordWrap(true);

    auto *versions = new QFormLayout;
    versions->addRow(plainLabel(QStringLiteral("Current version:"), this), lblCurrent);
    versions->addRow(plainLabel(QStringLiteral("Your version:"), this), lblYour);
    auto *links = new QHBoxLayout;
    links->addWidget(lblDownload);
    links->addStretch();
    links->addWidget(lblSkip);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(advice);
    layout->addLayout(versions);
    layout->addLayout(links);
    resize(360, 180);

    // The browser gets the address; the notice stays for the user to close.
    connect(lblDownload, &ClickableLabel::clicked, this, [this] { QDesktopServices::openUrl(m_downloadAddress); });
    connect(lblSkip, &ClickableLabel::clicked, this, &QWidget::close);
    CloseOnEscape(*this);
}

void frmUpdate::showVersions(const QString &newest, const QString &yours, QWidget &owner)
{
    lblCurrent->setText(newest);
    lblYour->setText(yours);
    PlaceOver(*this, owner);
    show();
    raise();
}
