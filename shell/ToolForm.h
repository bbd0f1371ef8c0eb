// What every tool window shares: frame and placement below the main window,
// control factories, the tab order and its focus steps, the Enter key, the
// guard around handlers, the field readers and the warnings of a calculation,
// Clear/Close plumbing and the grey/white field shades.
#pragma once

#include "Messages.h"
#include "Outcome.h"
#include "Polynomial.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The initial text of answer fields, which Clear puts back.
inline const QString kAnswerText = QStringLiteral("answer");

class ToolForm : public QWidget {
    Q_OBJECT

public:
    // Creates the hidden, fixed-size window and places it below the main
    // window: top = main top + main outer height + dy, left = main left + dx.
    ToolForm(QWidget* mainWindow, const char* className, const QString& title, QSize client, int dx,
             int dy);

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

protected:
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
    QLineEdit* RowEdit(int& x, int centre, const char* name, int width, const QString& text = {},
                       QWidget* parent = nullptr);
    QLabel* RowLabel(int& x, int centre, const QString& caption, const QFont& font,
                     const char* name = nullptr, int lift = 0, QWidget* parent = nullptr);
    // The coefficient fields of a polynomial in a formula row, highest power
    // first: [<prefix>n] x^n + ... + [<prefix>1] x + [<prefix>0], edits[i]
    // holding the field <prefix>i; each exponent is lifted above the row by
    // exponentLift. Returns the labels, letter, exponent and "+" of each
    // power, from the highest power down.
    std::vector<QLabel*> CoefficientRow(int& x, int centre, std::span<QLineEdit*> edits,
                                        const QString& letter, const QFont& letterFont,
                                        int exponentLift, const char* prefix = "Edit");

    // The window's tab order: every control that can take the focus, in
    // order, with the contents of a group box at the group box's place.
    void SetTabOrder(std::vector<QWidget*> order);

    // Runs a handler; a failure that abandons it shows the general error box.
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

    // Shows a warning of a calculation in the warning box.
    void Warn(arith::TWarning warning);
    void Warn(std::optional<arith::TWarning> warning);
    // Shows the warnings of an outcome in order and gives its answer, if any.
    template <typename T> std::optional<T> Accept(arith::TOutcome<T> outcome) {
        for (arith::TWarning warning : outcome.Warnings) {
            Warn(warning);
        }
        return std::move(outcome.Answer);
    }

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

    // Field readers. A text that cannot be read shows the warning
    // "入力が間違ってます" and counts as 0; a non-digit inside a number
    // abandons the calculation (ConversionError).
    // One number field read as a fraction, or as a constant polynomial (as typed, not reduced).
    arith::TRational ReadRational(const QLineEdit* edit);
    arith::TPolynomial ReadConstant(const QLineEdit* edit);
    // Coefficient fields, edits[i] holding the coefficient of x^i, read from
    // the highest power down into a polynomial in normal form.
    arith::TPolynomial ReadCoefficients(std::span<QLineEdit* const> edits);
    // A whole polynomial in the letter; nothing after its warning.
    std::optional<arith::TPolynomial> ReadPolynomial(const QLineEdit* edit, char letter);
    // A whole field as one integer, as IntFromText reads it.
    static std::int32_t ReadInteger(const QLineEdit* edit);

    // The text of a field as the arithmetic reads it (UTF-8).
    static std::string FieldText(const QLineEdit* edit);
    static void SetField(QLineEdit* edit, const std::string& text);

private:
    std::vector<QWidget*> tabOrder_;
    int dx_;
    int dy_;
    bool placed_ = false;
};
