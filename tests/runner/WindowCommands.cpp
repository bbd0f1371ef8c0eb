// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on windows and their controls: showing and closing windows,
// clicks, typing and keys, context menus, and what a control shows.
#include "ScriptRun.h"

#include "Zoom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

namespace runner {
namespace {

// Where a real click lands: the indicator of a radio button or check
// box (its caption area may be narrower than the control), else the centre.
QPoint ClickPoint(QAbstractButton* button) {
    if (qobject_cast<QRadioButton*>(button) != nullptr) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()
            ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)
            .center();
    }
    return button->rect().center();
}

void MouseClick(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, ClickPoint(button));
}

// The focus that a click into the control gives it: an edit's cursor
// lands after its text.
void FocusAsClick(QWidget* control) {
    control->setFocus(Qt::MouseFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->end(false);
    }
    Settle();
}

void TriggerEntry(QAction* action) {
    if (action == nullptr) {
        throw ScriptError(QStringLiteral("menu entry missing"));
    }
    action->trigger(); // does nothing when the entry is disabled
}

QString ColourName(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

} // namespace

// --- actions ---------------------------------------------------------------

void ScriptRun::Show(const Command& command) {
    FindWindow(command.window); // the window must exist
    RequireVisible(main_.get());
    Activate(main_.get());
    if (command.window == QLatin1String("TVersionForm")) {
        TriggerEntry(main_->findChild<QAction*>(QStringLiteral("VersionMenu")));
    } else {
        // TEnzanForm -> EnzanButton
        QString base = command.window;
        if (base.startsWith(QLatin1Char('T'))) {
            base.remove(0, 1);
        }
        if (base.endsWith(QLatin1String("Form"))) {
            base.chop(4);
        }
        auto* button = main_->findChild<QAbstractButton*>(base + QLatin1String("Button"));
        if (button == nullptr || button->window() != main_.get()) {
            throw ScriptError(
                QStringLiteral("the main window has no button for %1").arg(command.window));
        }
        MouseClick(button);
    }
    QWidget* window = FindWindow(command.window);
    Activate(window);
}

void ScriptRun::Click(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    QObject* object = FindControl(command);
    Activate(window);
    if (auto* action = qobject_cast<QAction*>(object)) {
        TriggerEntry(action);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        MouseClick(button);
    } else {
        throw ScriptError(
            QStringLiteral("%1 is a %2, which cannot be clicked")
                .arg(Name(command), QLatin1String(object->metaObject()->className())));
    }
}

void ScriptRun::Set(const Command& command) {
    RequireVisible(FindWindow(command.window));
    FindControlAs<QLineEdit>(command, "an edit field")->setText(command.text);
}

void ScriptRun::SetPadded(const Command& command) {
    RequireVisible(FindWindow(command.window));
    const qsizetype space = command.text.indexOf(QLatin1Char(' '));
    bool ok = false;
    const int zeros = command.text.left(space).toInt(&ok);
    if (!ok || zeros < 0) {
        throw ScriptError(QStringLiteral("setpadded needs a count of zeros: %1").arg(command.text));
    }
    const QString tail = space < 0 ? QString() : command.text.mid(space + 1);
    FindControlAs<QLineEdit>(command, "an edit field")
        ->setText(QString(zeros, QLatin1Char('0')) + tail);
}

void ScriptRun::Type(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
    Activate(window);
    FocusAsClick(edit);
    QTest::keyClicks(edit, command.text);
}

// The control a key command presses its keys on, focused and active.
QWidget* ScriptRun::KeyTarget(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    if (!command.control.isEmpty()) {
        auto* target = FindControlAs<QWidget>(command, "a control");
        Activate(window);
        FocusAsClick(target);
        return target;
    }
    Activate(window);
    return window->focusWidget() != nullptr ? window->focusWidget() : window;
}

void ScriptRun::Key(const Command& command) {
    QTest::keyClick(KeyTarget(command), command.key);
}

void ScriptRun::Keys(const Command& command) {
    const QKeyCombination combination = command.keys[0];
    QTest::keyClick(KeyTarget(command), combination.key(), combination.keyboardModifiers());
}

void ScriptRun::Select(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    auto* group = FindControlAs<QWidget>(command, "a radio group");
    const QList<QRadioButton*> items =
        group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    if (command.item >= items.size()) {
        throw ScriptError(QStringLiteral("%1 has %2 items, no item %3")
                              .arg(Name(command))
                              .arg(items.size())
                              .arg(command.item));
    }
    Activate(window);
    MouseClick(items[command.item]);
}

void ScriptRun::Choose(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    auto* list = qobject_cast<QListWidget*>(FindControlAs<QWidget>(command, "a list"));
    if (list == nullptr || command.item >= list->count()) {
        throw ScriptError(
            QStringLiteral("%1 is no list with an item %2").arg(Name(command)).arg(command.item));
    }
    Activate(window);
    QListWidgetItem* item = list->item(command.item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(item).center());
    Settle();
}

void ScriptRun::Close(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    // The close event that the window system sends for the title bar's
    // close button.
    QCloseEvent event;
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

void ScriptRun::ChooseFromContextMenu(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    auto* control = FindControlAs<QWidget>(command, "a control");
    Activate(window);
    control->setFocus(Qt::MouseFocusReason);
    Settle();
    const QPoint at = control->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QCoreApplication::sendEvent(control, &event);
    Settle();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        throw ScriptError(QStringLiteral("%1 opened no context menu").arg(Name(command)));
    }
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == command.text) {
            chosen = action;
        }
    }
    if (chosen == nullptr) {
        menu->close();
        throw ScriptError(QStringLiteral("the context menu of %1 has no entry '%2'")
                              .arg(Name(command), command.text));
    }
    chosen->trigger(); // does nothing when the entry is disabled
    menu->close();
}

// --- observations ----------------------------------------------------------

void ScriptRun::PrintText(const Command& command) {
    if (command.control.isEmpty()) {
        QWidget* window = FindWindow(command.window);
        Print(QStringLiteral("%1 = %2").arg(command.window, window->windowTitle()));
        return;
    }
    QObject* object = FindControl(command);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        text = edit->text();
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        text = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        text = group->title();
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        text = action->text();
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        text = menu->title();
    } else {
        throw ScriptError(
            QStringLiteral("%1 is a %2, which has no text")
                .arg(Name(command), QLatin1String(object->metaObject()->className())));
    }
    Print(QStringLiteral("%1 = %2").arg(Name(command), text));
}

void ScriptRun::PrintFocus(const Command& command) {
    QWidget* window = FindWindow(command.window);
    QWidget* focus = window->focusWidget();
    QString name = QStringLiteral("-");
    if (focus != nullptr && focus != window) {
        name = focus->objectName().isEmpty()
                   ? QStringLiteral("(%1)").arg(QLatin1String(focus->metaObject()->className()))
                   : focus->objectName();
    }
    Print(QStringLiteral("focus %1.%2").arg(command.window, name));
}

void ScriptRun::PrintState(const Command& command) {
    QObject* object = FindControl(command);
    bool enabled = false;
    QPalette palette;
    QPalette::ColorRole baseRole = QPalette::Window;
    QPalette::ColorRole textRole = QPalette::WindowText;
    if (auto* action = qobject_cast<QAction*>(object)) {
        auto* menu = qobject_cast<QMenu*>(action->parent());
        if (menu == nullptr) {
            throw ScriptError(QStringLiteral("%1 is not in a menu").arg(Name(command)));
        }
        enabled = action->isEnabled() && menu->isEnabled();
        palette = menu->palette();
        baseRole = QPalette::Base;
        textRole = QPalette::Text;
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        enabled = widget->isEnabled();
        palette = widget->palette();
        if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            baseRole = QPalette::Base;
            textRole = QPalette::Text;
        } else if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
            baseRole = QPalette::Button;
            textRole = QPalette::ButtonText;
        }
    } else {
        throw ScriptError(QStringLiteral("%1 has no state").arg(Name(command)));
    }
    const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
    Print(QStringLiteral("%1 enabled=%2 base=%3 text=%4")
              .arg(Name(command))
              .arg(enabled ? 1 : 0)
              .arg(ColourName(palette.color(group, baseRole)),
                   ColourName(palette.color(group, textRole))));
}

void ScriptRun::PrintVisible(const Command& command) {
    QWidget* window = FindWindow(command.window);
    Print(QStringLiteral("%1 visible=%2").arg(command.window).arg(window->isVisible() ? 1 : 0));
}

void ScriptRun::PrintChecked(const Command& command) {
    QObject* object = FindControl(command);
    if (auto* button = qobject_cast<QAbstractButton*>(object); button && button->isCheckable()) {
        Print(QStringLiteral("%1 checked=%2").arg(Name(command)).arg(button->isChecked() ? 1 : 0));
        return;
    }
    auto* group = qobject_cast<QWidget*>(object);
    const QList<QRadioButton*> items =
        group ? group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)
              : QList<QRadioButton*>();
    if (items.isEmpty()) {
        throw ScriptError(
            QStringLiteral("%1 is neither a radio button nor a radio group").arg(Name(command)));
    }
    int checked = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) {
            checked = static_cast<int>(i);
        }
    }
    Print(QStringLiteral("%1 item=%2").arg(Name(command)).arg(checked));
}

void ScriptRun::PrintTooltip(const Command& command) {
    auto* widget = qobject_cast<QWidget*>(FindControl(command));
    if (widget == nullptr) {
        throw ScriptError(QStringLiteral("%1 is not a control").arg(Name(command)));
    }
    Print(QStringLiteral("%1 tooltip=%2").arg(Name(command), widget->toolTip()));
}

void ScriptRun::PrintAccessible(const Command& command) {
    if (!command.control.isEmpty()) {
        Print(QStringLiteral("%1 accessible=%2")
                  .arg(Name(command), AccessibleName(FindControl(command))));
        return;
    }
    QWidget* window = FindWindow(command.window);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool field = qobject_cast<QLineEdit*>(control) != nullptr;
        const bool button = qobject_cast<QAbstractButton*>(control) != nullptr;
        QString name = control->objectName();
        if ((!field && !button) || control->window() != window ||
            name.startsWith(QLatin1String("qt_"))) {
            continue; // Qt's own parts, such as the menu bar's extension button
        }
        if (name.isEmpty()) {
            name = QStringLiteral("(%1)").arg(QLatin1String(control->metaObject()->className()));
        }
        Print(QStringLiteral("%1.%2 accessible=%3")
                  .arg(command.window, name, AccessibleName(control)));
    }
}

void ScriptRun::PrintLabels(const Command& command) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(FindControl(command));
    QStringList texts;
    if (face != nullptr) {
        for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
            texts << label->text(QAccessible::Name);
        }
    }
    Print(QStringLiteral("%1 labels=%2").arg(Name(command), texts.join(QLatin1Char(' '))));
}

void ScriptRun::PrintCursor(const Command& command) {
    auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
    Print(QStringLiteral("%1 cursor=%2 selected=%3")
              .arg(Name(command))
              .arg(edit->cursorPosition())
              .arg(edit->selectedText().size()));
}

void ScriptRun::PrintDrawn(const Command& command) {
    auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
    const QVariant shown = edit->property("shownText");
    Print(QStringLiteral("%1 drawn=%2")
              .arg(Name(command), shown.isValid() ? shown.toString() : edit->text()));
}

void ScriptRun::PrintSelected(const Command& command) {
    auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
    Print(QStringLiteral("%1 selected=%2").arg(Name(command), edit->selectedText()));
}

void ScriptRun::PrintLength(const Command& command) {
    auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
    Print(QStringLiteral("%1 length=%2").arg(Name(command)).arg(edit->text().size()));
}

void ScriptRun::PrintContextMenu(const Command& command) {
    auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
    // The menu a right click opens, built the way the field builds it.
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
        entries << text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    }
    Print(QStringLiteral("%1 contextmenu: %2")
              .arg(Name(command), entries.join(QLatin1String(" | "))));
}

void ScriptRun::PrintClipboard(const Command& /*command*/) {
    QString text = QGuiApplication::clipboard()->text();
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    Print(QStringLiteral("clipboard=%1").arg(text));
}

void ScriptRun::PrintShown(const Command& /*command*/) {
    QString line = QStringLiteral("shown:");
    if (main_->isVisible()) {
        line += QLatin1Char(' ') + main_->objectName();
    }
    for (QObject* child : main_->children()) {
        auto* window = qobject_cast<QWidget*>(child);
        if (window != nullptr && window->isWindow() && window->isVisible() &&
            qobject_cast<QMenu*>(window) == nullptr) {
            line += QLatin1Char(' ') + window->objectName();
        }
    }
    Print(line);
}

void ScriptRun::PrintRunning(const Command& /*command*/) {
    Print(QStringLiteral("running=%1").arg(quit_ ? 0 : 1));
}

void ScriptRun::PrintZoom(const Command& /*command*/) {
    Print(QStringLiteral("zoom=%1%").arg(ZoomPercent()));
}

void ScriptRun::PrintKeyboard(const Command& /*command*/) {
    Settle(); // a change of the active window arrives as posted events
    const QWidget* window = QApplication::activeWindow();
    if (window == nullptr) {
        return Print(QStringLiteral("keyboard none"));
    }
    const QWidget* focus = QApplication::focusWidget();
    QString name = QStringLiteral("-");
    if (focus != nullptr && focus != window) {
        name = focus->objectName().isEmpty()
                   ? QStringLiteral("(%1)").arg(QLatin1String(focus->metaObject()->className()))
                   : focus->objectName();
    }
    Print(QStringLiteral("keyboard %1.%2").arg(window->objectName(), name));
}

} // namespace runner
