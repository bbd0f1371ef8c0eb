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

QRect FreeRoom(const QRect& area, const QList<QRect>& taken, QSize least, QSize wanted, int gap) {
    // Every free rectangle worth having has each edge on an edge of the area
    // or next to a taken one, so those edges are the only ones tried.
    QList<QRect> blocked;
    QList<int> lefts{area.left()};
    QList<int> rights{area.right()};
    QList<int> tops{area.top()};
    QList<int> bottoms{area.bottom()};
    for (const QRect& r : taken) {
        const QRect grown = r.adjusted(-gap, -gap, gap, gap);
        if (!grown.intersects(area)) {
            continue;
        }
        blocked << grown;
        lefts << grown.right() + 1;
        rights << grown.left() - 1;
        tops << grown.bottom() + 1;
        bottoms << grown.top() - 1;
    }
    QRect best;
    long long bestFit = -1;
    long long bestArea = -1;
    for (const int left : lefts) {
        for (const int right : rights) {
            if (left < area.left() || right > area.right() || right - left + 1 < least.width()) {
                continue;
            }
            for (const int top : tops) {
                for (const int bottom : bottoms) {
                    const QRect room(QPoint(left, top), QPoint(right, bottom));
                    if (top < area.top() || bottom > area.bottom() ||
                        room.height() < least.height() ||
                        std::any_of(blocked.begin(), blocked.end(),
                                    [&room](const QRect& b) { return b.intersects(room); })) {
                        continue;
                    }
                    const long long fit =
                        static_cast<long long>(std::min(room.width(), wanted.width())) *
                        std::min(room.height(), wanted.height());
                    const long long size = static_cast<long long>(room.width()) * room.height();
                    if (fit > bestFit || (fit == bestFit && size > bestArea)) {
                        best = room;
                        bestFit = fit;
                        bestArea = size;
                    }
                }
            }
        }
    }
    return best;
}
