#pragma once

#include "display/Colour.h"

#include <QWidget>

class QLabel;

// The window of a hover tip: an optional title line with an icon, and the
// tip's text, always as plain text. A balloon has rounded corners and a stem
// pointing up at the spot it explains; a rectangular tip is a framed box.
class ToolTipWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolTipWindow(bool balloon);

    bool isBalloon() const { return m_balloon; }
    // An empty title and icon 0 hide the title line. Icons: 1 information,
    // 2 warning, 3 error, anything else none.
    void setTitle(const QString &title, int icon);
    // Line breaks may be CR LF or LF.
    void setText(const QString &text);
    // Colour value 0 stands for the system's tip colour.
    void setTextColour(Colour colour);
    void setBackgroundColour(Colour colour);

    // Shows the tip below a point of the screen, centred on it or starting
    // at it, kept within the screen.
    void showBelow(const QPoint &anchor, bool centred);
    // Shows the tip beside a spot of the screen (a list row): right of it
    // where the screen has room, else left of it, level with it and kept
    // within the screen. A balloon has no stem there.
    void showBeside(const QRect &spot);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyColours();

    bool m_balloon;
    QColor m_text;
    QColor m_background;
    int m_stemX = 0;
    QLabel *m_icon;
    QLabel *m_title;
    QLabel *m_body;
};
