// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two message boxes: the warning box of its own checks and the
// general error box that shows a failure which abandoned a calculation.
#pragma once

#include <QString>

class QWidget;

// Modal, caption "警告", warning icon, one OK button.
void WarningBox(const QString& text, QWidget* parent = nullptr);
// Modal, caption "Vorantel", error icon, one OK button; the text is followed by ".".
void ErrorBox(const QString& text, QWidget* parent = nullptr);
// Modal, caption "Vorantel", information icon, one OK button: something the
// user should know that stops nothing.
void NoticeBox(const QString& text, QWidget* parent = nullptr);
// Modal, caption "Vorantel", question icon, Yes and No, No the default;
// true on Yes.
bool QuestionBox(const QString& text, QWidget* parent = nullptr);

// For tools that drive the windows without a user: while a hook is set, every
// box calls it with its caption and text instead of showing itself. The
// program never sets one; nullptr shows boxes again.
using MessageBoxHook = void (*)(const QString& caption, const QString& text);
void SetMessageBoxHook(MessageBoxHook hook);
