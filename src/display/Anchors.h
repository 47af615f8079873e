#pragma once

#include <QRect>
#include <QSize>

#include <map>

class QWidget;

// Keeps the controls of a window in their places as the window grows beyond
// the size they were placed for. A control that stretches along an axis
// takes all of the window's growth on that axis; any other keeps its
// distance to the window's edge nearest to it.
class Anchors {
public:
    enum Stretch { Fixed = 0, Horizontal = 1, Vertical = 2, Both = Horizontal | Vertical };

    // The window size the positions are given for.
    void setDesignSize(QSize size) { m_design = size; }
    QSize designSize() const { return m_design; }

    // Where a control stands at the design size, and how it grows.
    void place(QWidget *control, QRect design, Stretch stretch = Fixed);
    // Changes only the position or only the size at the design size.
    void moveDesign(QWidget *control, int left);
    void resizeDesign(QWidget *control, int width);

    // Places every control for the window's size.
    void apply(QSize windowSize) const;
    // Where a point of the design stands along x in a window this much wider.
    int anchoredX(int designX, int extraWidth) const;

private:
    struct Placement {
        QRect design;
        Stretch stretch;
    };
    std::map<QWidget *, Placement> m_controls;
    QSize m_design;
};
