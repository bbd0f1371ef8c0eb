// SPDX-License-Identifier: GPL-3.0-or-later
// Every command of the UI scripts, once: its name, what it names (a window
// W, a control W.C, either, a value or nothing), the text it takes and the
// member that runs it. README.md, section "UI scripts", says what each does
// and prints.
#include "ScriptRun.h"

#include <algorithm>

namespace runner {
namespace {

// A row's operand and text fit together: a command that names nothing takes
// no text, one that names only a value takes it as its text.
constexpr bool Consistent(std::span<const CommandSpec> commands) {
    return std::ranges::all_of(commands, [](const CommandSpec& c) {
        return (c.operand != Operand::None || c.text == Text::No) &&
               (c.operand != Operand::Text || c.text != Text::No);
    });
}

} // namespace

std::span<const CommandSpec> ScriptRun::Commands() {
    static constexpr CommandSpec kCommands[] = {
        {"show", Operand::Window, Text::No, &ScriptRun::Show},
        {"click", Operand::Control, Text::No, &ScriptRun::Click},
        {"set", Operand::Control, Text::Any, &ScriptRun::Set},
        {"type", Operand::Control, Text::Any, &ScriptRun::Type},
        {"key", Operand::WindowOrControl, Text::KeyName, &ScriptRun::Key},
        {"select", Operand::Control, Text::ItemNumber, &ScriptRun::Select},
        {"close", Operand::Window, Text::No, &ScriptRun::Close},
        {"print", Operand::WindowOrControl, Text::No, &ScriptRun::PrintText},
        {"focus", Operand::Window, Text::No, &ScriptRun::PrintFocus},
        {"state", Operand::Control, Text::No, &ScriptRun::PrintState},
        {"visible", Operand::Window, Text::No, &ScriptRun::PrintVisible},
        {"geometry", Operand::Window, Text::No, &ScriptRun::PrintGeometry},
        {"screenshot", Operand::Window, Text::FileName, &ScriptRun::Screenshot},
        {"checked", Operand::Control, Text::No, &ScriptRun::PrintChecked},
        {"running", Operand::None, Text::No, &ScriptRun::PrintRunning},
        {"shown", Operand::None, Text::No, &ScriptRun::PrintShown},
        {"tooltip", Operand::Control, Text::No, &ScriptRun::PrintTooltip},
        {"keys", Operand::WindowOrControl, Text::KeySequence, &ScriptRun::Keys},
        {"zoom", Operand::None, Text::No, &ScriptRun::PrintZoom},
        {"accessible", Operand::WindowOrControl, Text::No, &ScriptRun::PrintAccessible},
        {"labels", Operand::Control, Text::No, &ScriptRun::PrintLabels},
        {"cursor", Operand::Control, Text::No, &ScriptRun::PrintCursor},
        {"drawn", Operand::Control, Text::No, &ScriptRun::PrintDrawn},
        {"menu", Operand::Control, Text::Any, &ScriptRun::ChooseFromContextMenu},
        {"clipboard", Operand::None, Text::No, &ScriptRun::PrintClipboard},
        {"selected", Operand::Control, Text::No, &ScriptRun::PrintSelected},
        {"frame", Operand::Window, Text::No, &ScriptRun::PrintFrame},
        {"wait", Operand::Text, Text::Milliseconds, &ScriptRun::Wait},
        {"grab", Operand::Text, Text::Any, &ScriptRun::Grab},
        {"palette", Operand::Text, Text::PaletteName, &ScriptRun::SetPalette},
        {"icon", Operand::Window, Text::No, &ScriptRun::PrintIcon},
        {"language", Operand::Text, Text::Any, &ScriptRun::SetLanguage},
        {"contextmenu", Operand::Control, Text::No, &ScriptRun::PrintContextMenu},
        {"move", Operand::Window, Text::Place, &ScriptRun::Move},
        {"board", Operand::None, Text::No, &ScriptRun::PrintBoard},
        {"history", Operand::None, Text::No, &ScriptRun::PrintHistory},
        {"choose", Operand::Control, Text::ItemNumber, &ScriptRun::Choose},
        {"working", Operand::None, Text::No, &ScriptRun::PrintWorking},
        {"working-tree", Operand::None, Text::No, &ScriptRun::PrintWorkingTree},
        {"graph", Operand::None, Text::No, &ScriptRun::PrintGraph},
        {"resize", Operand::Window, Text::Size, &ScriptRun::Resize},
        {"savegraph", Operand::Text, Text::FileName, &ScriptRun::SaveGraph},
        {"graphdrawn", Operand::None, Text::No, &ScriptRun::PrintGraphDrawn},
        {"setpadded", Operand::Control, Text::Any, &ScriptRun::SetPadded},
        {"length", Operand::Control, Text::No, &ScriptRun::PrintLength},
        {"graphmarks", Operand::None, Text::No, &ScriptRun::PrintGraphMarks},
        {"graphpicture", Operand::None, Text::No, &ScriptRun::PrintGraphPicture},
        {"keyboard", Operand::None, Text::No, &ScriptRun::PrintKeyboard},
        {"board-accessible", Operand::None, Text::No, &ScriptRun::PrintBoardAccessible},
        {"presenting", Operand::None, Text::No, &ScriptRun::PrintPresenting},
        {"graphlabels", Operand::None, Text::No, &ScriptRun::PrintGraphLabels},
        {"boardview", Operand::None, Text::No, &ScriptRun::PrintBoardView},
        {"graphticks", Operand::None, Text::No, &ScriptRun::PrintGraphTicks},
        {"drag", Operand::Control, Text::Place, &ScriptRun::Drag},
        {"graphroom", Operand::None, Text::No, &ScriptRun::PrintGraphRoom},
        {"savepdf", Operand::Text, Text::Any, &ScriptRun::SavePdf},
        {"savepdfkey", Operand::Text, Text::Any, &ScriptRun::SavePdfKey},
        {"chosen", Operand::None, Text::No, &ScriptRun::PrintChosen},
        {"restart", Operand::None, Text::No, &ScriptRun::Restart},
        {"reopen", Operand::Text, Text::ItemNumber, &ScriptRun::Reopen},
        {"answer", Operand::Text, Text::Any, &ScriptRun::SetAnswer},
        {"historyfile", Operand::Text, Text::FileName, &ScriptRun::PutHistoryFile},
        {"datafiles", Operand::None, Text::No, &ScriptRun::PrintDataFiles},
    };
    static_assert(Consistent(kCommands));
    return kCommands;
}

} // namespace runner
