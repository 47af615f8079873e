#pragma once

class TarnwellApp;

// Prepares the program folder, loads every stored profile into its slot in
// alphabetical order, writes the welcome line and adds the tray icon.
// Failures are thrown to the caller, which reports them; what was built so
// far stays.
void StartUp(TarnwellApp &app);
