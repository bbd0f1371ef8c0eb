// SPDX-License-Identifier: GPL-3.0-or-later
// The first paint of a window, the moment the user first sees it: work that
// should wait until then.
#pragma once

#include <functional>

class QWidget;

// Runs action once, when the first Paint event reaches window (the toolkit
// sends it while filling the window's backing store for its first expose,
// right before that store is flushed to the window system).
void AfterFirstPaint(QWidget* window, std::function<void()> action);
