// SPDX-License-Identifier: GPL-3.0-or-later
#include "Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

QScreen* ScreenOf(const QWidget* window) {
    if (QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center())) {
        return screen;
    }
    return window->screen();
}

QMargins FrameMargins(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QRect OuterRect(const QWidget* window, QPoint topLeft, QMargins expected) {
    const QMargins own = FrameMargins(window);
    const QMargins frame = own.isNull() ? expected : own;
    return QRect(topLeft, window->size().grownBy(frame));
}

QPoint ClampedTopLeft(const QRect& outer, const QRect& area) {
    // Right and bottom first, so that a window too large for the area keeps
    // its top left corner (and its title bar) on the screen.
    const int x = std::max(std::min(outer.left(), area.right() + 1 - outer.width()), area.left());
    const int y = std::max(std::min(outer.top(), area.bottom() + 1 - outer.height()), area.top());
    return {x, y};
}

void MoveFrame(QWidget* window, QPoint topLeft) {
    // QWidget::move places the frame of a window that does not exist on the
    // window system yet, or whose frame is known; it would place the inside
    // of one that exists but has no frame yet, which QWindow places right.
    QWindow* handle = window->windowHandle();
    if (handle != nullptr && window->testAttribute(Qt::WA_WState_Created) &&
        FrameMargins(window).isNull()) {
        handle->setFramePosition(topLeft);
    } else {
        window->move(topLeft);
    }
}

void MoveOnScreen(QWidget* window, QPoint topLeft, const QScreen* screen, QMargins expected) {
    const QRect outer = OuterRect(window, topLeft, expected);
    MoveFrame(window, ClampedTopLeft(outer, screen->availableGeometry()));
}
