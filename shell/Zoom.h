// SPDX-License-Identifier: GPL-3.0-or-later
// The program's zoom, for projectors: every window with its fields, fonts and
// formula letters scaled by one factor from 100% to 300%, at once, and
// remembered between runs.
#pragma once

class QWidget;

// The zoom steps, in percent.
inline constexpr int kZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

// The zoom in force (100 until SetZoomPercent is called).
int ZoomPercent();
// The zoom remembered from the last run, 100 when there is none.
int SavedZoomPercent();
// Makes percent (rounded to the nearest step) the zoom in force, scales
// every window that MakeZoomable marked, the message boxes, menus and
// tooltips with it, and remembers it for the next run.
void SetZoomPercent(int percent);
// The next step up or down from the zoom in force.
int NextZoomStep(int percent, int direction);

// Marks a top-level window as one the zoom scales; call once its controls
// are built, at 100%.
void MakeZoomable(QWidget* window);
// Scales a window and everything in it from its 100% layout to the zoom in
// force: positions, sizes, fixed sizes and fonts.
void ApplyZoom(QWidget* window);
// Takes in a widget made inside a window that the zoom has scaled already:
// records its 100% layout (its parent's 100% font, unless it has one of its
// own, and its geometry at 100%), so that the next zoom scales it from there
// and not from the size it was made at.
void JoinZoom(QWidget* child);
// A length at the zoom in force.
int Zoomed(int pixels);
