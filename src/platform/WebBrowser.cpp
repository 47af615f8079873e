#include "platform/WebBrowser.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

bool OpenInWebBrowser(const QUrl &address)
{
    if (QDesktopServices::openUrl(address))
        return true;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !opener.isEmpty() && QProcess::startDetached(opener, {QString::fromLatin1(address.toEncoded())});
}
