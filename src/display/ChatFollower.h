#pragma once

#include <QObject>

class QTextDocument;
class QTextEdit;

// Keeps a chat view on its newest line while the user reads at the bottom,
// and leaves it where the user scrolled to while reading further up.
class ChatFollower : public QObject {
    Q_OBJECT
public:
    explicit ChatFollower(QTextEdit &view);

    // Puts the document in the view, its newest lines in sight.
    void show(QTextDocument &document);

private:
    QTextEdit &m_view;
    // The view was at the bottom when the document last grew or moved.
    bool m_following = true;
};
