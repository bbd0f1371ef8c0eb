// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaint.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace {

class TFirstPaint : public QObject {
public:
    TFirstPaint(QWidget* window, std::function<void()> action)
        : QObject(window), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            deleteLater();
            action_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> action) {
    window->installEventFilter(new TFirstPaint(window, std::move(action)));
}
