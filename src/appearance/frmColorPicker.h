#pragma once

#include "display/Colour.h"

#include <QImage>
#include <QWidget>

class Appearance;
class ColourField;
class QLabel;
class QPushButton;

// The colour picker: a gradient of colours to pick from with the mouse, a
// sample of the colour picked, and Pick, which hands the sample's colour to
// the scheme dialog's field named by the picker's target.
class frmColorPicker : public QWidget {
    Q_OBJECT
public:
    explicit frmColorPicker(Appearance &appearance);

    // Starts over with colour 0 and shows the window.
    void open();
    void cmdPick_Click();

    // The colour field, 256 by 129 pixels.
    QLabel *CPic1;
    ColourField *txtExample;
    QPushButton *cmdPick;

    // The colour of the field's pixel at (x, y), x from 0 to 255 and y from
    // 0 to 128: four bands of 64 columns running through red, yellow, green
    // and cyan, each getting bluer row by row.
    static Colour gradientColour(int x, int y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Takes the colour under the mouse, keeping the mouse on the field.
    void takeColourAt(QPoint position);

    Appearance &m_appearance;
    QImage m_gradient;
    Colour m_current;
    bool m_held = false;
};
