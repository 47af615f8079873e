#pragma once

#include "display/Colour.h"

#include <QFrame>

// A box that shows one colour as its background: the colour fields of the
// scheme dialog and the colour picker's sample.
class ColourField : public QFrame {
    Q_OBJECT
public:
    explicit ColourField(const char *name, QWidget *parent = nullptr);

    Colour colour() const { return m_colour; }
    void setColour(Colour colour);

private:
    Colour m_colour;
};
