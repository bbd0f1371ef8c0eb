// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormulaEdit.h"

#include <QKeyEvent>
#include <QSettings>

namespace {

constexpr const char* kHistoryKey = "formula/history";

} // namespace

TFormulaEdit::TFormulaEdit(QWidget* parent)
    : QLineEdit(parent), history_(QSettings().value(QLatin1String(kHistoryKey)).toStringList()) {
    while (history_.size() > kHistoryLength) {
        history_.removeFirst();
    }
    shown_ = static_cast<int>(history_.size());
}

void TFormulaEdit::PointAt(std::size_t position) {
    const QString line = text();
    if (position == 0) {
        setCursorPosition(static_cast<int>(line.size()));
        return;
    }
    // Walks whole characters: a surrogate pair is one character of the line.
    qsizetype at = 0;
    for (std::size_t character = 1; character < position && at < line.size(); ++character) {
        at += line.at(at).isHighSurrogate() && at + 1 < line.size() ? 2 : 1;
    }
    setCursorPosition(static_cast<int>(at));
}

void TFormulaEdit::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        const QString line = text();
        if (!line.trimmed().isEmpty()) {
            Remember(line);
            emit Entered(line);
        }
        return;
    }
    if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        Walk(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TFormulaEdit::Remember(const QString& line) {
    if (history_.isEmpty() || history_.last() != line) {
        history_.append(line);
    }
    while (history_.size() > kHistoryLength) {
        history_.removeFirst();
    }
    shown_ = static_cast<int>(history_.size());
    draft_.clear();
    QSettings().setValue(QLatin1String(kHistoryKey), history_);
}

void TFormulaEdit::Walk(int step) {
    const int next = shown_ + step;
    if (next < 0 || next > history_.size()) {
        return;
    }
    if (shown_ == history_.size()) {
        draft_ = text();
    }
    shown_ = next;
    setText(shown_ == history_.size() ? draft_ : history_.at(shown_));
}
