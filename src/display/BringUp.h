#pragma once

class QWidget;

// Shows a modeless window in front and active, whether it was hidden or
// already on screen.
void BringUp(QWidget &window);
