// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolForm.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "Placement.h"
#include "Zoom.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <exception>
#include <limits>

namespace {

constexpr int kRowGap = 2; // pixels between the items of a formula row
constexpr int kRowEditHeight = 20;
// A field holds any text typed or pasted into it, never cut; the longest
// that is read is the toolkit's usual limit, far beyond any number of 500
// digits, and a longer one is refused as too large.
constexpr int kFieldMaxLength = std::numeric_limits<int>::max();

// "x", "x²", ... "x⁹": a power (1 to 9) of a letter as a screen reader should say it.
QString PowerText(const QString& letter, int power) {
    static const char16_t kSuperscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    return power == 1 ? letter : letter + QChar(kSuperscripts[power]);
}

// Lifts the toolkit's limit on a field's text, keeping its cursor where it was.
void AcceptAnyLength(QLineEdit* edit) {
    const int cursor = edit->cursorPosition();
    edit->setMaxLength(kFieldMaxLength);
    edit->setCursorPosition(cursor);
}

bool TakesFocusStep(const QWidget* w) {
    if (!w->isEnabled()) {
        return false; // also true of every control inside a disabled group box
    }
    const auto* radio = qobject_cast<const QRadioButton*>(w);
    return radio == nullptr || radio->isChecked();
}

// Swallows Enter (and keypad Enter) in one control and runs a handler instead.
class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

// The dynamic property that remembers a field's or label's look, so that the
// look can be drawn again from a new application palette.
constexpr char kShadeProperty[] = "vorantelShade";
constexpr int kLabelNormal = 0;
constexpr int kLabelGrey = 1;

// Halfway between the palette's text and base colours, rounded up: (128, 128,
// 128) between black and white.
QColor GreyText(const QPalette& palette) {
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    return QColor((text.red() + base.red() + 1) / 2, (text.green() + base.green() + 1) / 2,
                  (text.blue() + base.blue() + 1) / 2);
}

void PaintShade(QLineEdit* edit, bool white) {
    const QPalette source = QApplication::palette();
    QPalette palette = edit->palette();
    const QColor base = source.color(QPalette::Active, white ? QPalette::Base : QPalette::Button);
    const QColor text = white ? source.color(QPalette::Active, QPalette::Text) : GreyText(source);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Text, text);
    }
    edit->setPalette(palette);
}

void PaintLabel(QLabel* label, bool grey) {
    const QPalette source = QApplication::palette();
    const QColor text =
        grey ? GreyText(source) : source.color(QPalette::Active, QPalette::WindowText);
    QPalette palette = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, text);
    }
    label->setPalette(palette);
}

} // namespace

ToolForm::ToolForm(QWidget* mainWindow, QSize client, int dx, int dy)
    : QWidget(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dx_(dx), dy_(dy) {
    setFont(GothicFont(12));
    setFixedSize(client);
    MakeZoomable(this);
    PlaceBelow(mainWindow);
}

void ToolForm::PlaceBelow(const QWidget* mainWindow) {
    const QRect main = mainWindow->frameGeometry();
    const QScreen* screen = ScreenOf(mainWindow);
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameMargins(mainWindow);
    QPoint topLeft(main.left() + Zoomed(dx_), main.top() + main.height() + Zoomed(dy_));
    // Kept whole on the screen, a window too tall for the room below the
    // launcher would cover its lower buttons: it goes beside the launcher
    // instead where there is room, else it stays below.
    QRect below = OuterRect(this, topLeft, frame);
    below.moveTopLeft(ClampedTopLeft(below, area));
    if (below.intersects(main)) {
        for (const QPoint beside : {QPoint(main.right() + 1, main.top()),
                                    QPoint(main.left() - below.width(), main.top())}) {
            QRect there(beside, below.size());
            there.moveTopLeft(ClampedTopLeft(there, area));
            if (!there.intersects(main)) {
                topLeft = there.topLeft();
                break;
            }
        }
    }
    MoveOnScreen(this, topLeft, screen, frame);
}

void ToolForm::setVisible(bool visible) {
    // Placed before the window exists on the window system, so that the
    // window manager puts the frame, not the inside, at the place.
    if (visible && !placed_) {
        placed_ = true;
        PlaceBelow(parentWidget());
    }
    QWidget::setVisible(visible);
}

void ToolForm::changeEvent(QEvent* event) {
    // The window's own palette is the application's: it changes with it.
    if (event->type() == QEvent::PaletteChange) {
        for (QLineEdit* edit : findChildren<QLineEdit*>()) {
            const QVariant shade = edit->property(kShadeProperty);
            if (shade.isValid()) {
                PaintShade(edit, static_cast<Shade>(shade.toInt()) == Shade::White);
            }
        }
        for (QLabel* label : findChildren<QLabel*>()) {
            const QVariant look = label->property(kShadeProperty);
            if (look.isValid()) {
                PaintLabel(label, look.toInt() == kLabelGrey);
            }
        }
    }
    QWidget::changeEvent(event);
}

void ToolForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ToolForm::FocusSteps(int n) {
    const int count = static_cast<int>(tabOrder_.size());
    if (n <= 0 || count == 0 || std::none_of(tabOrder_.begin(), tabOrder_.end(), TakesFocusStep)) {
        return;
    }
    const auto found = std::find(tabOrder_.begin(), tabOrder_.end(), focusWidget());
    int index = found == tabOrder_.end() ? -1 : static_cast<int>(found - tabOrder_.begin());
    for (int step = 0; step < n; ++step) {
        do {
            index = (index + 1) % count;
        } while (!TakesFocusStep(tabOrder_[index]));
    }
    tabOrder_[index]->setFocus(Qt::TabFocusReason);
}

QLineEdit* ToolForm::AddEdit(const char* name, QRect geometry, const QString& text,
                             QWidget* parent) {
    auto* edit = new QLineEdit(text, parent ? parent : this);
    edit->setObjectName(QString::fromLatin1(name));
    AcceptAnyLength(edit);
    edit->setGeometry(geometry);
    return edit;
}

QLabel* ToolForm::AddLabel(const QString& caption, int x, int y, const QFont& font,
                           const char* name, QWidget* parent) {
    auto* label = new QLabel(caption, parent ? parent : this);
    if (name != nullptr) {
        label->setObjectName(QString::fromLatin1(name));
    }
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton* ToolForm::AddButton(const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(true); // a focused button takes Enter as a click
    return button;
}

ToolForm::TCommandButtons ToolForm::AddCommandButtons(QPoint topLeft, int step,
                                                      std::function<void()> clear,
                                                      std::function<void()> calc,
                                                      std::function<void()> onClose) {
    const QSize size(75, 25);
    QRect place(topLeft, size);
    TCommandButtons buttons;
    buttons.Clear = AddButton("ClearButton", QStringLiteral("クリア"), place);
    buttons.Clear->setAccessibleName(QStringLiteral("クリア"));
    clear_ = clear;
    OnClick(buttons.Clear, std::move(clear));
    if (calc) {
        place.translate(step, 0);
        buttons.Calc = AddButton("CalcButton", QStringLiteral("計算"), place);
        buttons.Calc->setAccessibleName(QStringLiteral("計算"));
        OnClick(buttons.Calc, std::move(calc));
    }
    place.translate(step, 0);
    buttons.Close = AddButton("CloseButton", QStringLiteral("閉じる(&C)"), place);
    buttons.Close->setAccessibleName(QStringLiteral("閉じる"));
    buttons.Close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    OnClick(buttons.Close, [this, onClose = std::move(onClose)] {
        if (onClose) {
            onClose();
        }
        hide();
    });
    return buttons;
}

QRadioButton* ToolForm::AddRadio(const char* name, const QString& caption, QRect geometry,
                                 QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent ? parent : this);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(geometry);
    return radio;
}

QGroupBox* ToolForm::AddGroup(const char* name, QRect geometry) {
    auto* group = new QGroupBox(this);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    return group;
}

QLineEdit* ToolForm::RowEdit(int& x, int centre, const char* name, int width, const QString& text,
                             QWidget* parent) {
    QLineEdit* edit =
        AddEdit(name, QRect(x, centre - kRowEditHeight / 2, width, kRowEditHeight), text, parent);
    x += width + kRowGap;
    TieLabels(edit);
    return edit;
}

TAnswerEdit* ToolForm::RowAnswer(int& x, int centre, const char* name, int width, QWidget* parent,
                                 const QString& text) {
    auto* answer = new TAnswerEdit(text, parent ? parent : this);
    answer->setObjectName(QString::fromLatin1(name));
    AcceptAnyLength(answer);
    answer->setGeometry(x, centre - kRowEditHeight / 2, width, kRowEditHeight);
    answer->setAccessibleName(QStringLiteral("答え"));
    x += width + kRowGap;
    TieLabels(answer);
    return answer;
}

QLabel* ToolForm::RowLabel(int& x, int centre, const QString& caption, const QFont& font,
                           const char* name, int lift, QWidget* parent) {
    QLabel* label = AddLabel(caption, x, 0, font, name, parent);
    label->move(x, centre - label->height() / 2 - lift);
    x += label->width() + kRowGap;
    untiedLabels_.push_back(label);
    return label;
}

void ToolForm::TieLabels(QWidget* field) {
    for (QLabel* label : untiedLabels_) {
        // Only a sibling is found as the field's label by the accessibility tree.
        if (label->buddy() == nullptr && label->parentWidget() == field->parentWidget()) {
            label->setBuddy(field);
        }
    }
    untiedLabels_.clear();
}

std::vector<QLabel*> ToolForm::CoefficientRow(int& x, int centre, std::span<QLineEdit*> edits,
                                              const QString& letter, const QFont& letterFont,
                                              int exponentLift, const char* prefix,
                                              const QString& owner) {
    const QFont exponent = GothicFont(13, true);
    const QFont plus = GothicFont(21, true);
    const QString of = owner.isEmpty() ? QString() : owner + QStringLiteral(" の");
    std::vector<QLabel*> labels;
    for (int power = static_cast<int>(edits.size()) - 1; power >= 0; --power) {
        const QByteArray name = prefix + QByteArray::number(power);
        QLineEdit* edit = RowEdit(x, centre, name.constData(), 30);
        edits[power] = edit;
        if (power == 0) {
            edit->setAccessibleName(of + QStringLiteral("定数項"));
            break;
        }
        const QString space = of.isEmpty() ? QString() : QStringLiteral(" ");
        edit->setAccessibleName(of + space + PowerText(letter, power) + QStringLiteral(" の係数"));
        labels.push_back(RowLabel(x, centre, letter, letterFont));
        labels.back()->setBuddy(edit);
        if (power > 1) {
            labels.push_back(
                RowLabel(x, centre, QString::number(power), exponent, nullptr, exponentLift));
            labels.back()->setBuddy(edit);
            labels.back()->setAccessibleName(QString::number(power) + QStringLiteral("乗"));
        }
        labels.push_back(RowLabel(x, centre, QStringLiteral("+"), plus));
    }
    return labels;
}

void ToolForm::NameControls(std::initializer_list<TControlName> names) {
    for (const TControlName& entry : names) {
        const QList<QWidget*> found = findChildren<QWidget*>(QString::fromLatin1(entry.Control));
        if (found.size() != 1) {
            qFatal("%s: %lld controls named %s", qPrintable(objectName()),
                   static_cast<long long>(found.size()), entry.Control);
        }
        found.first()->setAccessibleName(QString::fromUtf8(entry.Name));
    }
}

void ToolForm::SetTabOrder(std::vector<QWidget*> order) {
    tabOrder_ = std::move(order);
    for (QWidget* w : tabOrder_) {
        w->setFocusPolicy(Qt::StrongFocus);
    }
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) {
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    }
}

void ToolForm::Guarded(const std::function<void()>& handler) {
    rowUnfinished_ = false; // only EnterRecalculates sets it, around its own calculation
    try {
        handler();
    } catch (const std::exception& failure) {
        ErrorBox(QString::fromLocal8Bit(failure.what()), this);
    }
}

void ToolForm::Calculate(TProblemEntry solve, const char* command) {
    problems::TWindowInput input;
    input.Command = command;
    input.RowUnfinished = rowUnfinished_;
    for (const QLineEdit* edit : findChildren<QLineEdit*>()) {
        input.Fields[edit->objectName().toStdString()] = edit->text().toStdString();
    }
    for (const QRadioButton* radio : findChildren<QRadioButton*>()) {
        if (radio->isChecked()) {
            input.Checked.insert(radio->objectName().toStdString());
        }
    }
    problems::TWindowResult result = solve(input);
    // Fields that could not be read, or a failure, abandon the calculation:
    // an Enter chain then goes no further.
    abandoned_ = !result.BadFields.empty() ||
                 std::any_of(result.Messages.begin(), result.Messages.end(), [](const auto& m) {
                     return m.Type == problems::TMessage::Kind::Error;
                 });

    for (const problems::TMessage& message : result.Messages) {
        const QString text = QString::fromStdString(message.Text);
        if (message.Type == problems::TMessage::Kind::Warning) {
            WarningBox(text, this);
        } else {
            ErrorBox(text, this);
        }
    }
    for (const problems::TFieldText& field : result.Fields) {
        if (!field.Written) {
            continue;
        }
        QWidget* control = findChild<QWidget*>(QString::fromStdString(field.Name));
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            SetField(edit, field.Text);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(QString::fromStdString(field.Text));
        }
    }
    for (const std::string& name : result.BadFields) {
        auto* edit = findChild<QLineEdit*>(QString::fromStdString(name));
        if (edit != nullptr && edit->isEnabled()) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            break;
        }
    }
    if (result.Board) {
        result.Board->Window = windowTitle().toStdString();
        result.Board->WindowClass = objectName().toStdString();
        result.Board->Input = input;
        result.Board->Row = EntryRow(input, result.FieldsRead);
        emit Calculated(*result.Board);
    }
}

void ToolForm::Reopen(const problems::TWindowInput& input) {
    if (clear_) {
        Guarded(clear_);
    }
    // An Enter chain open before is over: the next calculation starts an entry.
    openRow_ = 0;
    rowFields_.clear();
    // Twice over: a radio button that another one's mode enables comes second.
    const QList<QRadioButton*> radios = findChildren<QRadioButton*>();
    for (QRadioButton* radio : radios) {
        if (input.IsChecked(radio->objectName().toStdString()) && radio->isEnabled()) {
            radio->click();
        }
    }
    for (QRadioButton* radio : radios) {
        if (input.IsChecked(radio->objectName().toStdString()) && radio->isEnabled() &&
            !radio->isChecked()) {
            radio->click();
        }
    }
    // The answer fields keep what Clear left in them.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        const auto field = input.Fields.find(edit->objectName().toStdString());
        if (field != input.Fields.end() && qobject_cast<TAnswerEdit*>(edit) == nullptr) {
            SetField(edit, field->second);
        }
    }
    const auto first = std::find_if(tabOrder_.begin(), tabOrder_.end(), [](const QWidget* w) {
        return qobject_cast<const QLineEdit*>(w) != nullptr && TakesFocusStep(w);
    });
    if (first != tabOrder_.end()) {
        (*first)->setFocus(Qt::OtherFocusReason);
    }
}

unsigned ToolForm::EntryRow(const problems::TWindowInput& input,
                            const std::vector<std::string>& fieldsRead) {
    // The same problem goes on while every field read before keeps its text
    // or was empty then: the chain has only filled in the fields after it.
    const bool goesOn =
        openRow_ != 0 && std::all_of(rowFields_.begin(), rowFields_.end(), [&input](const auto& f) {
            return f.second.find_first_not_of(' ') == std::string::npos ||
                   input.Field(f.first) == f.second;
        });
    if (!rowUnfinished_) {
        // The row's last calculation (its last field, or a click) takes the
        // row's entry, and the next calculation starts a new one.
        const unsigned row = goesOn ? openRow_ : 0;
        openRow_ = 0;
        rowFields_.clear();
        return row;
    }
    if (!goesOn) {
        openRow_ = ++lastRow_;
    }
    rowFields_.clear();
    for (const std::string& name : fieldsRead) {
        rowFields_[name] = input.Field(name);
    }
    return openRow_;
}

void ToolForm::OnClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { Guarded(handler); });
}

void ToolForm::OnEnter(QWidget* control, std::function<void()> handler) {
    control->installEventFilter(
        new EnterFilter(control, [this, handler = std::move(handler)] { Guarded(handler); }));
}

void ToolForm::EnterMovesOn(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        OnEnter(control, [this] { FocusSteps(1); });
    }
}

void ToolForm::EnterCalculates(QWidget* control, int before, std::function<void()> calc,
                               int after) {
    OnEnter(control, [this, before, calc = std::move(calc), after] {
        FocusSteps(before);
        abandoned_ = false;
        calc();
        if (!abandoned_) {
            FocusSteps(after);
        }
    });
}

void ToolForm::EnterRecalculates(QWidget* control, int before, std::function<void()> calc) {
    OnEnter(control, [this, before, calc = std::move(calc)] {
        FocusSteps(before);
        rowUnfinished_ = true;
        calc();
        rowUnfinished_ = false;
    });
}

void ToolForm::ClearEdits(std::initializer_list<QLineEdit*> edits) {
    for (QLineEdit* edit : edits) {
        edit->clear();
    }
}

void ToolForm::ResetAnswers(std::initializer_list<QLineEdit*> answers) {
    for (QLineEdit* answer : answers) {
        answer->setText(kAnswerText);
    }
}

void ToolForm::SetShade(QLineEdit* edit, Shade shade) {
    edit->setProperty(kShadeProperty, static_cast<int>(shade));
    PaintShade(edit, shade == Shade::White);
}

void ToolForm::SetLabelGrey(QLabel* label, bool grey) {
    label->setProperty(kShadeProperty, grey ? kLabelGrey : kLabelNormal);
    PaintLabel(label, grey);
}

void ToolForm::SetField(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
    edit->setCursorPosition(0); // a text longer than the field shows its beginning
}
