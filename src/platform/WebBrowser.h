#pragma once

#include <QUrl>

// Opens a web address in the desktop's browser: through the desktop's own
// services, and where the platform has none, through xdg-open found on the
// PATH. False when neither could start.
bool OpenInWebBrowser(const QUrl &address);
