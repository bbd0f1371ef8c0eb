// SPDX-License-Identifier: GPL-3.0-or-later
// Handouts: board entries set on A4 portrait pages, for a printer or a PDF
// file. Each entry is a block (its window's name, the problem, the answer
// and its decimals, the graph, the working), typeset as the board typesets
// it; a block that fits on a page is never split across two, and one taller
// than a page breaks between the lines of its working. Every page has its
// number ("1 / 3") and the date in the footer.
#pragma once

#include "BoardEntry.h"

#include <QDate>
#include <QString>

#include <vector>

class QMenu;
class QPagedPaintDevice;
class QWidget;

enum class THandoutLayout {
    Together,      // 問題と解答ごと: each problem with its answer and working
    ProblemsFirst, // 問題と解答を分ける: the problems numbered, then 解答 on a new page
};

// The layout last chosen in a handout menu (kept in the settings).
THandoutLayout ChosenHandoutLayout();
// A submenu with the two layouts as a choice, checked as chosen.
QMenu* HandoutLayoutMenu(QWidget* parent);

// One piece of a page's flow, as the paginator sees it: its height, the
// space above it (dropped at the top of a page), the block it belongs to,
// whether it must not end a page (a heading) and whether it starts a page.
struct TFlowPiece {
    double Height = 0;
    double Gap = 0;
    int Block = 0;
    bool KeepWithNext = false;
    bool NewPage = false;
};

struct TFlowPlace {
    int Page = 0;
    double Top = 0; // from the top of the page's text area
};

// Places the pieces on pages `pageHeight` high, in order. A block goes
// whole to the next page when it does not fit the rest of this one but fits
// a page; a block taller than a page starts a page and breaks between its
// pieces, never after one that keeps with the next where that can be helped.
std::vector<TFlowPlace> Paginate(const std::vector<TFlowPiece>& pieces, double pageHeight);

// Paints the handout of `entries` on `device` (a PDF writer or a printer),
// page after page; the number of pages, 0 where nothing could be painted.
int PaintHandout(QPagedPaintDevice& device, const std::vector<const TBoardEntry*>& entries,
                 THandoutLayout layout, const QDate& date);

// Writes the handout as an A4 PDF file, whole or not at all; the number of
// pages, 0 where the file could not be written.
int WriteHandoutPdf(const QString& path, const std::vector<const TBoardEntry*>& entries,
                    THandoutLayout layout, const QDate& date);
