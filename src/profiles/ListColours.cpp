#include "profiles/ListColours.h"

#include "channel/ChannelUserList.h"
#include "profiles/frmMain.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTextEdit>

#include <utility>

void ShowLineColours(frmMain &window)
{
    const LineColours &lines = window.lineColours;
    const std::pair<QAbstractScrollArea *, Colour> views[] = {
        {window.lstProfiles, lines.profiles}, {window.lstChannelUsers, lines.users}, {window.rtbChat, lines.rtb}};
    for (const auto &[view, line] : views) {
        const QColor bright = line.toQColor();
        const QColor dim = bright.darker(250);
        const QString css = QStringLiteral("QScrollBar { background: black; border: 1px solid %1; }"
                                           "QScrollBar:vertical { width: 12px; }"
                                           "QScrollBar:horizontal { height: 12px; }"
                                           "QScrollBar::handle { background: %2; min-width: 16px; min-height: 16px; }"
                                           "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
                                           "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                                .arg(bright.name(), dim.name());
        view->verticalScrollBar()->setStyleSheet(css);
        view->horizontalScrollBar()->setStyleSheet(css);
        QPalette palette = view->palette();
        palette.setColor(QPalette::Highlight, dim);
        palette.setColor(QPalette::HighlightedText, Qt::white);
        view->setPalette(palette);
    }
    window.update();
}
