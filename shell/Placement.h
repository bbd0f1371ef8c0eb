// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's windows go on the desktop. Positions are those of a
// window's outer frame (title bar and borders included), in the coordinates
// of the whole desktop, so a screen to the right of another starts at x > 0.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

// The screen that holds the centre of the window's frame, else the screen
// the window was created on.
QScreen* ScreenOf(const QWidget* window);

// The frame the window manager has put around the window, or no margins
// while it has not (yet) framed it.
QMargins FrameMargins(const QWidget* window);

// The outer rectangle of `window` with its frame's top left at topLeft. A
// window that has no frame yet is taken to get the frame `expected` (that of
// another window of the program that already has one).
QRect OuterRect(const QWidget* window, QPoint topLeft, QMargins expected);

// The top left that moves `outer` the least while keeping all of it inside
// `area`; an outer rectangle larger than the area keeps its top or left edge
// on the area's.
QPoint ClampedTopLeft(const QRect& outer, const QRect& area);

// Moves the window's frame to topLeft: also a window that the window manager
// has not framed yet gets its frame (not its inside) there.
void MoveFrame(QWidget* window, QPoint topLeft);

// Moves the window's frame to topLeft, clamped to the available area of
// `screen`, with the frame taken as in OuterRect.
void MoveOnScreen(QWidget* window, QPoint topLeft, const QScreen* screen, QMargins expected);
