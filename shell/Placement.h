// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's windows go on the desktop. Positions are those of a
// window's outer frame (title bar and borders included), in the coordinates
// of the whole desktop, so a screen to the right of another starts at x > 0.
#pragma once

#include <QList>
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

// The least room the answer board is given beside the other windows, in
// pixels at any zoom; with less it goes behind them.
inline constexpr int kBoardLeastWidth = 320;
inline constexpr int kBoardLeastHeight = 300;
// The gap the board keeps from the other windows, at 100%.
inline constexpr int kWindowGap = 8;

// The free part of `area` where a window of `wanted` outer size fits best
// while it keeps `gap` away from every rectangle of `taken`: of the free
// rectangles at least `least` large, the one that holds the most of
// `wanted`, then the largest. A null rectangle when none is that large.
QRect FreeRoom(const QRect& area, const QList<QRect>& taken, QSize least, QSize wanted, int gap);
