// SPDX-License-Identifier: GPL-3.0-or-later
// The program's type faces. Each asks for the face the windows were designed
// with first and falls back to the free faces installed with the program.
#pragma once

#include <QFont>

QFont GothicFont(int pixels, bool bold = false);      // proportional Japanese Gothic UI face
QFont FixedGothicFont(int pixels, bool bold = false); // fixed-pitch Japanese Gothic face
QFont MinchoFont(int pixels, bool bold = false);      // proportional Japanese Mincho face
QFont AntiquaFont(int pixels, bool bold = false, bool italic = true); // formula letters
QFont CenturyFont(int pixels, bool bold = false, bool italic = false);
QFont CenturyOldFont(int pixels, bool bold = false, bool italic = true);

// Lays out, once, every character that answers are written with, in the
// fields' font at the zoom in force: the toolkit shapes the first text of a
// font slowly (a few hundred microseconds), which would otherwise fall on
// the user's first answer.
void WarmUpFieldText();
