// SPDX-License-Identifier: GPL-3.0-or-later
// The answer field of a tool window: an ordinary editable line edit whose
// text is always the whole answer, but which is never cut off without a sign.
// It shows the beginning of the answer (also when Tab moves the focus into
// it, or once the focus leaves it); while it does not have the focus, an
// answer wider than the field is drawn cut short and ending in "…", and its
// tooltip holds the whole answer. Ctrl+C with nothing selected, and an entry
// of the context menu, copy the whole answer.
#pragma once

#include <QLineEdit>

class TAnswerEdit : public QLineEdit {
    Q_OBJECT
    // What the field draws while it does not have the focus.
    Q_PROPERTY(QString shownText READ ShownText)

public:
    TAnswerEdit(const QString& text, QWidget* parent);

    // The whole text when it fits, else its beginning followed by "…".
    QString ShownText() const;
    bool Fits() const;
    // Puts the whole text on the clipboard.
    void CopyAll() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The inside of the frame, and the line in it where the text is drawn,
    // as QLineEdit lays them out.
    QRect Contents() const;
    QRect TextLine() const;
    int VisibleWidth() const;
    void UpdateTip();
};
