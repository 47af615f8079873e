#pragma once

class TarnwellApp;

// Makes the live profile of a slot the current one and dresses the window
// for it: its entry selected, its name, pane, users, channel, options,
// scheme and fonts. Throws Failure for a slot without a live profile.
void ShowProfile(TarnwellApp &app, int index);
