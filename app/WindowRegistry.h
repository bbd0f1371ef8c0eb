// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of the program's windows: each tool window (and the version
// dialog) named once, with everything the launcher, start-up, the command
// line, the tests, the fuzz targets and the benchmarks need to know of it.
// Nothing else lists the windows. The table itself needs no toolkit header.
#pragma once

#include "Calculation.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QWidget;
class TBoardHistory;

// Radio buttons of which one is checked: their group box (nullptr where the
// group has none of its own) and the buttons in creation order.
struct TRadioGroup {
    const char* Box;
    std::vector<const char*> Radios;
};

struct TWindowEntry {
    const char* Class;   // the window's class and objectName, as scripts and --solve name it
    const char* Caption; // the window's title
    int StartOrder;      // its place when every window is made at start-up
    // The launcher: the button (objectName, caption, accessible name, its
    // 1-based row and column) and the entry of the 実行(G) menu (objectName,
    // caption with its mnemonic). The version dialog has neither: the ヘルプ
    // menu opens it.
    const char* Button = nullptr;
    const char* ButtonCaption = nullptr;
    const char* ButtonName = nullptr;
    int Row = 0;
    int Column = 0;
    const char* Menu = nullptr;
    const char* MenuCaption = nullptr;
    // Makes the window, hidden, owned by `main`.
    QWidget* (*Create)(QWidget* main) = nullptr;
    // The window's problem entry (none for the version dialog), the command
    // buttons that calculate, and what it holds before its first calculation:
    // the fields that do not start empty, and its groups of radio buttons,
    // the first of each checked.
    problems::TWindowResult (*Solve)(const problems::TWindowInput&) = nullptr;
    std::vector<const char*> Commands = {};
    std::vector<std::pair<const char*, const char*>> StartTexts = {};
    std::vector<TRadioGroup> RadioGroups = {};

    // What the window holds when it is first shown.
    problems::TWindowInput StartInput() const;
    // Checks a radio button of the window in `input`, as a click on it
    // would, unchecking the others of its group; false for a name that is
    // none of the window's radio buttons.
    bool CheckRadio(problems::TWindowInput& input, std::string_view radio) const;
};

// Every window, in the launcher's menu order (the version dialog last).
std::span<const TWindowEntry> Windows();
// The window of that class, or nullptr.
const TWindowEntry* FindWindow(std::string_view className);

// Makes the named window, the version dialog or the answer board
// (TAnswerBoard), hidden and owned by `main`, at the zoom in force; a tool
// window's calculations go into `history`. nullptr for a name that is none
// of them.
QWidget* CreateChildWindow(QWidget* main, TBoardHistory& history, const char* className);

// A calculation made again from its window's class and input, as the board's
// entry (nullopt for a class that is no tool window, or a calculation that
// names no problem): the history's entries read from its file are remade so.
std::optional<TBoardEntry> RemakeEntry(const std::string& className,
                                       const problems::TWindowInput& input);
