#include "appearance/ColourField.h"

ColourField::ColourField(const char *name, QWidget *parent) : QFrame(parent)
{
    setObjectName(QString::fromLatin1(name));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setMinimumSize(48, 20);
    setColour(m_colour);
}

void ColourField::setColour(Colour colour)
{
    m_colour = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour.toQColor());
    setPalette(palette);
}
