#pragma once

class frmMain;

// Shows the main window's line colours in its frames and in the scroll bars
// and selected rows of the views they frame: the bars and selections take the
// colour of the lines around their view, dimmed, so that they read on black
// in any scheme.
void ShowLineColours(frmMain &window);
