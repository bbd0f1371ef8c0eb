// SPDX-License-Identifier: GPL-3.0-or-later
// Program start, shared by the program and the UI-script runner.
#pragma once

#include <functional>

class QApplication;
class QWidget;
class QLocale;
class TMainForm;

// Title "Vorantel", the program's icon on every window, the style, the
// standard font, and the toolkit's own texts in the system's language
// (unless qtTexts is false: the program installs them after its first
// paint, which shows none of them).
void ConfigureApplication(QApplication& app, bool qtTexts = true);

// Shows the toolkit's own texts (the menu of an edit field, the buttons of
// standard dialogs) in the language of the locale, in place of any language
// installed before, as far as the system holds the toolkit's translation
// for it; returns whether it does. Otherwise they stay English.
bool InstallQtTranslation(const QLocale& locale);

// Runs work that reads only PNG images (icons) without the toolkit's image
// format plugins: reading any image first asks every plugin whether it
// would read it instead, loading them all, which start-up need not pay for.
// The plugins are found again for the images read afterwards. Runs once,
// before any image has been read: the toolkit never forgets a plugin found.
void WithoutImagePlugins(const std::function<void()>& work);

// The program's start: creates the main window, hidden, at the zoom
// remembered from the last run. Each tool window and the version dialog is
// created when it is first shown (TMainForm::ShowChild), which keeps them
// out of the time to the first paint.
TMainForm* CreateMainWindow();

// Creates the main window and then every tool window and the version dialog
// in start-up order, all hidden, and applies the remembered zoom. The main
// window owns them all. A window created either way is the same.
TMainForm* CreateWindows();
