// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {

// The gap QLineEdit keeps between its contents rectangle and the text.
constexpr int kTextMargin = 2;

// Breaks a long text into lines no wider than `width`, so that a tooltip of
// a 500-digit answer stays on the screen.
QString WrapLines(const QString& text, const QFontMetrics& metrics, int width) {
    QString wrapped;
    QString line;
    for (const QChar c : text) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            wrapped += line + QLatin1Char('\n');
            line.clear();
        }
        line += c;
    }
    return wrapped + line;
}

} // namespace

TAnswerEdit::TAnswerEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setCursorPosition(0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus()) {
            home(false); // a new answer shows its beginning
        }
        UpdateTip();
    });
}

QRect TAnswerEdit::Contents() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this) - textMargins();
}

QRect TAnswerEdit::TextLine() const {
    const QRect r = Contents();
    const int height = fontMetrics().height();
    return {r.x() + kTextMargin, r.y() + (r.height() - height + 1) / 2, r.width() - 2 * kTextMargin,
            height};
}

int TAnswerEdit::VisibleWidth() const {
    // The text is clipped to the contents, not to its line: it may use the
    // margin on the right.
    return Contents().right() + 1 - TextLine().left();
}

bool TAnswerEdit::Fits() const {
    return fontMetrics().horizontalAdvance(text()) <= VisibleWidth();
}

QString TAnswerEdit::ShownText() const {
    return Fits() ? text() : fontMetrics().elidedText(text(), Qt::ElideRight, VisibleWidth());
}

void TAnswerEdit::CopyAll() const {
    QGuiApplication::clipboard()->setText(text());
}

void TAnswerEdit::UpdateTip() {
    setToolTip(Fits() ? QString() : text());
}

bool TAnswerEdit::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QScreen* here = screen();
        const int width = here != nullptr ? here->availableGeometry().width() * 2 / 3 : 600;
        QToolTip::showText(help->globalPos(),
                           WrapLines(toolTip(), QFontMetrics(QToolTip::font()), width), this);
        return true;
    }
    return QLineEdit::event(event);
}

void TAnswerEdit::paintEvent(QPaintEvent* event) {
    // The edit draws itself first, which also keeps its scrolling in step
    // with the cursor (a click must land where the user sees the text).
    QLineEdit::paintEvent(event);
    if (hasFocus() || Fits()) {
        return;
    }
    // Without the focus the cursor is at the start, so the edit has drawn the
    // beginning of the text; draw it again ending in the mark.
    QPainter painter(this);
    const QRect contents = Contents();
    painter.setClipRect(contents);
    painter.fillRect(contents, palette().brush(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    const QRect line = TextLine();
    painter.drawText(QPoint(line.left(), line.top() + fontMetrics().ascent()), ShownText());
}

void TAnswerEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Tab selects the whole answer with the cursor at its end, which would
    // scroll a long answer to its tail; keep it selected from the start.
    const Qt::FocusReason reason = event->reason();
    const bool stepped = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason;
    if (stepped && hasSelectedText() && selectedText().size() == text().size()) {
        setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size()));
    }
}

void TAnswerEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking over keeps the place; moving
    // on within the window returns to the beginning of the answer.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
        home(false);
    }
}

void TAnswerEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        CopyAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TAnswerEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    QAction* first = menu->actions().value(0);
    auto* copyAll = new QAction(QStringLiteral("答えをすべてコピー(&W)"), menu);
    copyAll->setObjectName(QStringLiteral("CopyAnswerAction"));
    copyAll->setEnabled(!text().isEmpty());
    connect(copyAll, &QAction::triggered, this, &TAnswerEdit::CopyAll);
    menu->insertAction(first, copyAll);
    menu->insertSeparator(first);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TAnswerEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    UpdateTip();
}

void TAnswerEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        UpdateTip();
    }
}
