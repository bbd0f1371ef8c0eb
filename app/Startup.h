// Program start, shared by the program and the UI-script runner.
#pragma once

class QApplication;
class TMainForm;

// Title "Vorantel", the style and the standard font.
void ConfigureApplication(QApplication& app);

// Creates the main window and then every tool window and the version dialog
// in start-up order, all hidden. The main window owns them all.
TMainForm* CreateWindows();
