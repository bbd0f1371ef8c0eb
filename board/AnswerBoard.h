// SPDX-License-Identifier: GPL-3.0-or-later
// The answer board (解答ボード): the calculation last made in any tool window,
// its problem and its answer set in school notation, large and whole, and
// the history of the calculations made since the program started.
#pragma once

#include "BoardEntry.h"
#include "HistoryFile.h"

#include <QByteArray>
#include <QFont>
#include <QKeySequence>
#include <QObject>
#include <QWidget>

#include <memory>
#include <span>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QScrollArea;
class QSplitter;
class TGraphPane;
class THistoryStore;

class TMathView;

// The calculations made in the tool windows, oldest first, kept in the
// history file from one run to the next where the launcher gives it one.
// The launcher keeps it from the start, so the board, made when first
// opened, lists them all.
class TBoardHistory : public QObject {
    Q_OBJECT

public:
    explicit TBoardHistory(QObject* parent = nullptr);
    ~TBoardHistory() override;

    // Keeps the history in the file at `path`, read by Load; the entries
    // read back are made again by `restore` when first shown.
    void UseFile(const QString& path, THistoryRestorer restore);
    // Reads the file, once; Add and Clear read it first where nothing has.
    // Says what went wrong through Notice, and lists anew through Reset.
    void Load();

    // Adds the entry as the newest. An entry of a window's row (Row not 0)
    // takes the place of the one the same row of the same window made
    // before: that one leaves the history (Replaced), this one comes last.
    void Add(TBoardEntry entry);
    // Empties the history and its file.
    void Clear();
    const std::vector<TBoardEntry>& Entries() const { return entries_; }

signals:
    void Added();
    // The entry at `index` has left the history for the newest, added after it.
    void Replaced(int index);
    // The history is another now (read from the file, or emptied).
    void Reset();
    // What the user should know about the history file (it could not be read).
    void Notice(const QString& text);

private:
    void Save(bool whole);

    std::vector<TBoardEntry> entries_;
    std::unique_ptr<THistoryStore> store_;
    THistoryRestorer restore_;
    bool loaded_ = false;
};

class TAnswerBoard : public QWidget {
    Q_OBJECT

public:
    TAnswerBoard(QWidget* main, TBoardHistory& history);

    // Shows entry `index` of the history (oldest first).
    void ShowEntry(int index);
    // The entry shown, -1 before any calculation.
    int ShownEntry() const { return shown_; }
    const TBoardEntry* Shown() const;

    // Copies the entry shown: as the fields hold it, as plain Unicode
    // ("x = (−1 ± √3 i)/2") and as LaTeX.
    void CopyText() const;
    void CopyUnicode() const;
    void CopyLatex() const;
    // Copies the working of the entry shown, as plain Unicode or as LaTeX,
    // with every step even where the board shows it abridged.
    void CopyWorkingUnicode() const;
    void CopyWorkingLatex() const;
    // Copies the problem, the answer, its decimals and the working of the
    // entry shown, in one piece: as plain Unicode text (with the LaTeX form
    // beside it on the clipboard, for editors that take LaTeX), or as LaTeX.
    void CopyWhole() const;
    void CopyWholeLatex() const;
    // Copies the graph of the entry shown, as a picture and as an SVG
    // drawing, or saves it as a PNG or SVG file (asking for the file's name).
    void CopyGraph() const;
    void SaveGraphPng();
    void SaveGraphSvg();
    // Writes the graph shown to a PNG or SVG file; false, with nothing
    // written, when there is no graph or the file cannot be written.
    bool WriteGraphPng(const QString& path) const;
    bool WriteGraphSvg(const QString& path) const;
    const TGraphPane* GraphView() const { return graph_; }

    // The entries a handout or an export takes: those chosen in the history,
    // oldest first, where more than one is chosen; else the entry shown.
    std::vector<const TBoardEntry*> Chosen() const;
    // Prints the chosen entries as a handout, in the layout chosen in the
    // menu, after a preview; where no printer is set up, says so.
    void PrintHandout();
    // Saves the chosen entries as a PDF handout, asking for the file's name.
    void SaveHandoutPdf();
    // Writes the chosen entries as one LaTeX document, asking for the file's name.
    void ExportLatex();
    // The three above as menu entries, for the board's menu and the launcher's.
    struct THandoutCommand {
        const char* Name; // the board's action; the launcher's is "Go" + Name
        const char* Caption;
        QKeySequence Key;
        void (TAnswerBoard::*Take)();
    };
    static std::span<const THandoutCommand> HandoutCommands();

    // Where the board goes the first time: beside the launcher and the tool
    // windows, on the launcher's screen, where they leave room; later it
    // keeps the place and size the user gave it, also in the next run.
    void setVisible(bool visible) override;
    // Where the board lies over the launcher or an open tool window, it moves
    // to the room beside them, narrower if need be; with no room it stays
    // and goes behind them.
    void GiveWay();
    // Brings the board to the front (Ctrl+B) where it covers neither the
    // launcher nor an open tool window; where it would, it gives way instead.
    void BringForward();

    // 発表モード: the board fills its screen (the one without the launcher
    // when there are two) with the problem, the answer, the graph and the
    // working in large type, the history hidden; the working is revealed a
    // line at a time.
    void SetPresenting(bool presenting);
    bool Presenting() const { return presenting_; }
    // Reveals the next line of the working (step 1) or hides the last one
    // shown (step -1); the lines of the working and how many are revealed.
    void RevealWorking(int step);
    int WorkingLines() const;
    int RevealedLines() const { return revealed_; }

    // Asks whether to empty the history (default No) and empties it on Yes.
    void AskClearHistory();

signals:
    void PresentingChanged(bool presenting);
    // 入力に戻す on entry `index` of the history: its window should open with
    // the entry's input (double-click or Enter in the list, or the menu).
    void ReopenRequested(int index);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();
    void FillHistory();
    void Unlist(int index);
    void Refill(); // the history is another: list it anew, show its newest entry
    // Places the board in the room beside the launcher and the open tool
    // windows; false when there is none and it went to the screen's right edge.
    bool PlaceBeside();
    // The launcher and the open tool windows, and whether the board lies over one of them.
    QList<QWidget*> Others() const;
    bool CoversOthers() const;

    QWidget* main_;
    TBoardHistory& history_;
    int shown_ = -1;
    bool placed_ = false;
    QLabel* windowLabel_;
    TMathView* problem_;
    TMathView* answer_;
    QLabel* workingLabel_;
    TMathView* working_;
    QWidget* graphBox_;
    std::vector<QAction*> graphActions_; // enabled while a graph is shown
    TGraphPane* graph_;
    QScrollArea* scroll_;
    QListWidget* list_;
    TMathView* decimals_; // the answer's values in decimals, smaller, under it

    // The panes: the sheet (with the graph's column beside it while
    // presenting) above the history; the user's sizes and choices are kept.
    void BuildPanes(QWidget* listLabel);
    void ShowPanes();
    void ShowRevealed();
    QSplitter* panes_ = nullptr;
    QWidget* historyPane_ = nullptr;
    QWidget* graphColumn_ = nullptr;
    QAction* historyAction_ = nullptr;
    QAction* graphAction_ = nullptr;
    std::vector<QAction*> presentActions_; // enabled while presenting
    bool presenting_ = false;
    int revealed_ = 0;
    QByteArray normalGeometry_;      // the board's place before presenting
    std::vector<QFont> normalFonts_; // the text sizes before presenting
    QWidget* graphGrip_ = nullptr;   // the bar that sets the graph's height
};
