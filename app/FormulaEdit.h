// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher's formula line: a problem typed as the textbook prints it.
// Enter hands the line on; Up and Down walk the lines entered before, as a
// shell's history does, kept for the next run too.
#pragma once

#include <QLineEdit>
#include <QStringList>

class TFormulaEdit : public QLineEdit {
    Q_OBJECT

public:
    // The most lines the history keeps.
    static constexpr int kHistoryLength = 50;

    explicit TFormulaEdit(QWidget* parent);

    // Puts the cursor before the character at `position` (1-based, counted
    // in characters, not in UTF-16 units); 0 leaves it at the end.
    void PointAt(std::size_t position);

signals:
    // Enter on a line that is not blank; the line stays as it is.
    void Entered(const QString& line);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Remember(const QString& line);
    // Shows the history's line `step` places from the one shown (-1: older).
    void Walk(int step);

    QStringList history_; // oldest first
    int shown_ = 0;       // the line shown: history_.size() for the one being typed
    QString draft_;       // the line being typed, while an older one is shown
};
