// The one way the arithmetic talks to the user: modal warnings such as
// "入力が間違ってます". The program routes them to message boxes; tests record them.
#pragma once

#include <string>

using WarningHandler = void (*)(const std::string& text);

// Installs the receiver of warnings and returns the previous one. Without a
// handler, warnings are written to standard error.
WarningHandler SetWarningHandler(WarningHandler handler);

// Shows one warning and returns when the user has acknowledged it.
void ShowWarning(const std::string& text);

inline constexpr const char* kBadInputMessage = "入力が間違ってます";
inline constexpr const char* kNotIntegerMessage = "整数に変換できません。";
