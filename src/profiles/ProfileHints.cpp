#include "profiles/ProfileHints.h"

#include "profiles/TarnwellApp.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const Colour kHintColour = Rgb(0x77B1BB);
const QString kFirstStartHint = QStringLiteral("No profiles yet: File > Create a Profile (Ctrl+P).");

} // namespace

void ShowFirstStartHint(TarnwellApp &app, int index)
{
    app.profile(index).AddChat({kHintColour, kFirstStartHint});
}

void ForgetFirstStartHint(QTextDocument &pane)
{
    for (QTextBlock line = pane.lastBlock(); line.isValid();) {
        const QTextBlock before = line.previous();
        if (line.text().endsWith(kFirstStartHint)) {
            QTextCursor cursor(line);
            cursor.select(QTextCursor::BlockUnderCursor);
            // The first line has no break before it to take along: take the
            // one after it instead.
            if (!before.isValid())
                cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        line = before;
    }
}

void ShowNewProfileHint(TarnwellApp &app, int index)
{
    app.profile(index).AddChat({kHintColour, QStringLiteral("Configure it with File > Configuration (Ctrl+G), then connect "
                                                    "with F2.")});
}
