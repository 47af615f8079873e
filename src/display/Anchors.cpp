#include "display/Anchors.h"

#include <QWidget>

#include <algorithm>

namespace {

// The new start of a stretch [start, start + length) along an axis of a
// window whose design length grew by extra: it stays when the stretch is
// nearer the start of the axis, else it moves with the far edge.
int anchoredStart(int start, int length, int designLength, int extra)
{
    return 2 * start + length <= designLength ? start : start + extra;
}

} // namespace

void Anchors::place(QWidget *control, QRect design, Stretch stretch)
{
    m_controls[control] = {design, stretch};
}

void Anchors::moveDesign(QWidget *control, int left)
{
    m_controls.at(control).design.moveLeft(left);
}

void Anchors::resizeDesign(QWidget *control, int width)
{
    m_controls.at(control).design.setWidth(width);
}

void Anchors::apply(QSize windowSize) const
{
    const int extraWidth = std::max(0, windowSize.width() - m_design.width());
    const int extraHeight = std::max(0, windowSize.height() - m_design.height());
    for (const auto &[control, placement] : m_controls) {
        QRect at = placement.design;
        if (placement.stretch & Horizontal)
            at.setWidth(at.width() + extraWidth);
        else
            at.moveLeft(anchoredStart(at.left(), at.width(), m_design.width(), extraWidth));
        if (placement.stretch & Vertical)
            at.setHeight(at.height() + extraHeight);
        else
            at.moveTop(anchoredStart(at.top(), at.height(), m_design.height(), extraHeight));
        control->setGeometry(at);
    }
}

int Anchors::anchoredX(int designX, int extraWidth) const
{
    return anchoredStart(designX, 0, m_design.width(), extraWidth);
}
