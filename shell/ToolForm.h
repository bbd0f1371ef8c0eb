// SPDX-License-Identifier: GPL-3.0-or-later
// What every tool window shares: frame and placement below the main window,
// control factories, the tab order and its focus steps, the Enter key,
// handing a calculation to its window's problem entry and showing what it
// gives back, Clear/Close plumbing and the grey/white field shades.
#pragma once

#include "BoardEntry.h"
#include "Calculation.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <vector>

class QAbstractButton;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TAnswerEdit;

// The initial text of answer fields, which Clear puts back.
inline const QString kAnswerText = QString::fromLatin1(problems::kAnswerText);

class ToolForm : public QWidget {
    Q_OBJECT

public:
    // Creates the hidden, fixed-size window and places it below the main
    // window: top = main top + main outer height + dy, left = main left + dx.
    // Its object name and title come from the window registry that creates it.
    ToolForm(QWidget* mainWindow, QSize client, int dx, int dy);

    // Places the window by the rule above, kept whole on the main window's
    // screen. The main window calls it again when it is first shown. The
    // window places itself when it is first shown, from the main window's
    // frame at that moment, and then stays where it is; only a frame that
    // the window manager adds to the main window after that moment places it
    // once more (the main window sees to that).
    void PlaceBelow(const QWidget* mainWindow);
    // Whether the window has been shown, and so has placed itself.
    bool Placed() const { return placed_; }

    // Showing the window the first time places it, before it exists on the
    // window system, so that the window manager puts its frame at the place.
    void setVisible(bool visible) override;

    // Moves the focus n steps forward through the tab order from the control
    // that has it, skipping disabled controls (also those inside disabled
    // group boxes) and unchecked radio buttons, wrapping at the end.
    void FocusSteps(int n);

    // Puts a calculation's input back, ready to change and calculate again:
    // the window cleared as Clear leaves it (answers at their first text),
    // its radio buttons clicked as given (the mode follows), the other
    // fields given their texts, the focus on the first field. Calculates nothing.
    void Reopen(const problems::TWindowInput& input);

signals:
    // A calculation that named its problem has ended, with its answer or
    // with the message that stopped it.
    void Calculated(const TBoardEntry& entry);

protected:
    // Escape closes the window as its title bar would: it hides and keeps its fields.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Control factories. Each control's objectName is its name; parent
    // defaults to the window itself (pass a group box to place it inside).
    QLineEdit* AddEdit(const char* name, QRect geometry, const QString& text = {},
                       QWidget* parent = nullptr);
    // A label that sizes itself to its caption, with its top left at x, y.
    QLabel* AddLabel(const QString& caption, int x, int y, const QFont& font,
                     const char* name = nullptr, QWidget* parent = nullptr);
    QPushButton* AddButton(const char* name, const QString& caption, QRect geometry);

    // The row of 75 x 25 command buttons at the bottom right, left to right
    // from topLeft, step pixels apart: ClearButton "クリア", CalcButton "計算"
    // (only when calc is given) and the close-kind CloseButton "閉じる(&C)".
    // A click on Close runs onClose (if any) and then hides the window.
    struct TCommandButtons {
        QPushButton* Clear = nullptr;
        QPushButton* Calc = nullptr;
        QPushButton* Close = nullptr;
    };
    TCommandButtons AddCommandButtons(QPoint topLeft, int step, std::function<void()> clear,
                                      std::function<void()> calc,
                                      std::function<void()> onClose = {});
    QRadioButton* AddRadio(const char* name, const QString& caption, QRect geometry,
                           QWidget* parent = nullptr);
    QGroupBox* AddGroup(const char* name, QRect geometry);

    // Formula rows: items are laid out left to right from x, which advances
    // past each item, every item centred vertically on the line y = centre
    // (a label may be lifted above it, as exponents are).
    // A formula label is tied (as its buddy) to the field that follows it in
    // the row, so that a screen reader reads it with that field; a label given
    // a buddy before the next field is made keeps its own.
    QLineEdit* RowEdit(int& x, int centre, const char* name, int width, const QString& text = {},
                       QWidget* parent = nullptr);
    // An answer field (accessible name "答え" unless named otherwise).
    TAnswerEdit* RowAnswer(int& x, int centre, const char* name, int width,
                           QWidget* parent = nullptr, const QString& text = kAnswerText);
    QLabel* RowLabel(int& x, int centre, const QString& caption, const QFont& font,
                     const char* name = nullptr, int lift = 0, QWidget* parent = nullptr);
    // The coefficient fields of a polynomial in a formula row, highest power
    // first: [<prefix>n] x^n + ... + [<prefix>1] x + [<prefix>0], edits[i]
    // holding the field <prefix>i; each exponent is lifted above the row by
    // exponentLift. The fields are named "x² の係数" ... "x の係数", "定数項"
    // (after `owner`, as in "f(x) の定数項"); a letter and its exponent are
    // tied to the field before them, "+" to the one after it. Returns the
    // labels, letter, exponent and "+" of each power, from the highest power down.
    std::vector<QLabel*> CoefficientRow(int& x, int centre, std::span<QLineEdit*> edits,
                                        const QString& letter, const QFont& letterFont,
                                        int exponentLift, const char* prefix = "Edit",
                                        const QString& owner = {});

    // Accessible names of controls given by object name, for what the
    // factories cannot know (a field's meaning in the window).
    struct TControlName {
        const char* Control;
        const char* Name;
    };
    void NameControls(std::initializer_list<TControlName> names);

    // The window's tab order: every control that can take the focus, in
    // order, with the contents of a group box at the group box's place.
    void SetTabOrder(std::vector<QWidget*> order);

    // Runs a handler; a failure that escapes it shows the general error box.
    void Guarded(const std::function<void()>& handler);
    // A click (or Enter or Space on the focused button) runs the guarded handler.
    void OnClick(QAbstractButton* button, std::function<void()> handler);
    // Enter in the control is swallowed and runs the guarded handler.
    void OnEnter(QWidget* control, std::function<void()> handler);
    // Enter in each of these controls only moves the focus one step on.
    void EnterMovesOn(std::initializer_list<QWidget*> controls);
    // Enter in the control moves the focus `before` steps on, calculates, and
    // moves `after` steps on, unless the calculation failed.
    void EnterCalculates(QWidget* control, int before, std::function<void()> calc, int after = 0);
    // Enter in a coefficient field before the last one of its row: moves the
    // focus `before` steps on and recalculates with the fields filled so far.
    // A row still all zero or empty stops the calculation without its
    // warning, which only the last field and the Calc button give.
    void EnterRecalculates(QWidget* control, int before, std::function<void()> calc);

    // One calculation of the window: hands the fields' texts and the
    // checked radio buttons, with the command given, to the window's problem
    // entry, and shows what it gives back: its messages, the texts of the
    // fields it writes, the focus on the first field it could not read, and
    // the answer board's entry.
    using TProblemEntry = problems::TWindowResult (*)(const problems::TWindowInput&);
    void Calculate(TProblemEntry solve, const char* command = "CalcButton");

    static void ClearEdits(std::initializer_list<QLineEdit*> edits);
    static void ResetAnswers(std::initializer_list<QLineEdit*> answers);

    // The two looks of a field: the palette's base colour with its text
    // colour, or the button-face colour with grey text. Grey lies halfway
    // between the palette's text and base colours: (128, 128, 128) in a light
    // palette. Both follow a later change of the application palette.
    enum class Shade { White, Grey };
    static void SetShade(QLineEdit* edit, Shade shade);
    // Draws a label's text grey or in the palette's window-text colour.
    static void SetLabelGrey(QLabel* label, bool grey);

private:
    // Writes a field's text, its beginning in view.
    static void SetField(QLineEdit* edit, const std::string& text);
    // Ties the formula labels made since the last field to `field`.
    void TieLabels(QWidget* field);
    // The row of the board's history that this calculation's entry belongs
    // to (0: an entry of its own), from the fields it was given and read.
    unsigned EntryRow(const problems::TWindowInput& input,
                      const std::vector<std::string>& fieldsRead);

    std::vector<QWidget*> tabOrder_;
    std::function<void()> clear_; // what the Clear button does
    std::vector<QLabel*> untiedLabels_;
    bool rowUnfinished_ = false; // the running calculation comes from an unfinished row
    bool abandoned_ = false;     // it stopped on unreadable fields or a failure
    int dx_;
    int dy_;
    bool placed_ = false;
    // The row an Enter chain is filling in, while its problem is unfinished:
    // its number (0: none open), the last number given, and the fields its
    // last calculation read, with their texts then.
    unsigned openRow_ = 0;
    unsigned lastRow_ = 0;
    std::map<std::string, std::string> rowFields_;
};
