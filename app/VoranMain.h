// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher: the formula line, twelve tool buttons, Exit, and the menu bar.
#pragma once

#include <QMainWindow>

#include <functional>

class QMenu;
class QScreen;
class TBoardHistory;
class TFormulaEdit;
class QToolBar;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    // Shows the named child window (a tool window or the version dialog)
    // modeless, or brings it to the front when it is already visible. A
    // window not created yet is created first.
    void ShowChild(const char* className);

    // Shows the answer board, or brings it to the front, and leaves the
    // keyboard with the window that had it, so that typing goes on there.
    void ShowBoard();

    // Scales every window to percent (100 to 300) and lays them out again.
    void SetZoom(int percent);

    // The calculations made in the tool windows since the program started,
    // for the answer board.
    TBoardHistory& History() { return *history_; }
    // Reads the history file, once (after the first paint, so that it never
    // holds the window back); a file that could not be read is told of here.
    void LoadHistory();
    // 入力に戻す: opens the window of history entry `index` as its button
    // would, with the entry's input in it and the answers cleared.
    void Reopen(int index);
    // Work that makes the first answer as quick as every later one, done
    // once, shortly after the user first opens a tool window or types on the
    // formula line: an idle launcher never pays for it.
    void WarmUpBeforeFirstAnswer(std::function<void()> warmUp);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The formula line under the menu bar, with the keyboard at start.
    void BuildFormulaBar();
    // The menu bar's and the formula bar's heights together.
    int BarsHeight() const;
    // Opens the window of a problem typed on the formula line, fills it as
    // typing would and calculates there; a line that is not recognised gets
    // its message, and the cursor goes to the place it points at.
    void EnterFormula(const QString& line);
    // Centres the window at the top of the screen's free area and puts each
    // tool window that has not been shown yet below it.
    void PlaceWindows(const QScreen* screen);
    // Until the window manager has framed this window, a tool window shown
    // meanwhile was placed below a frame still to come: places it again
    // whenever the frame changes, up to the first change that brings a frame.
    void FrameChanged();
    // The 表示(V) menu: zoom in, zoom out and back to 100%, and the answer
    // board, with shortcuts that work in every window of the program.
    void BuildViewMenu();
    // 印刷…, PDF に保存… and エクスポート (LaTeX)… of the board's entries,
    // and the handout's layout, in the 実行(G) menu.
    void AddHandoutEntries(QMenu* goMenu);
    // 発表モード (F11 in every window), under the answer board's entry.
    void AddPresentEntry(QMenu* viewMenu);
    // The answer board, where open, moves out of the way of the launcher and
    // the tool windows, or goes behind them.
    void BoardGivesWay();
    // The launcher centred again, the tool windows below it and the board
    // out of their way, at the zoom just set.
    void PlaceAfterZoom();
    // Runs the warm-up, if it has not run yet, after the given delay.
    void StartWarmUp(int delayMs);

    TBoardHistory* history_;
    QToolBar* formulaBar_ = nullptr;
    TFormulaEdit* formulaEdit_ = nullptr;
    bool placed_ = false;
    bool framed_ = false;
    QSize zoomedSize_;             // the size a zoom asked for, until the launcher has it
    std::function<void()> warmUp_; // empty once started
};
