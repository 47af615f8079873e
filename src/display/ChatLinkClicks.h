#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QTextEdit;

// Makes the links of a chat view work: the hand cursor over them, a tip with
// the whole address, and a click (press and release on the same link, with
// no text selected) opens it in the web browser.
class ChatLinkClicks : public QObject {
    Q_OBJECT
public:
    explicit ChatLinkClicks(QTextEdit &view);

Q_SIGNALS:
    // The browser could not be started for the address.
    void openFailed(const QUrl &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextEdit &m_view;
    Qt::CursorShape m_shape;
    QString m_pressed;
};
