// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the desktop: where windows are and how large, the screens,
// pictures of a window or a screen, the palette, the toolkit's language and
// time passing.
#include "ScriptRun.h"

#include "Startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QPixmap>
#include <QScreen>
#include <QTest>

namespace runner {
namespace {

// How long to wait for the window manager to put a frame around a shown window.
constexpr int kFrameTimeoutMs = 2000;

QString RectText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Light text on dark grounds, as a dark desktop theme gives it.
QPalette DarkPalette() {
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(230, 230, 230);
    const QColor disabled(120, 120, 120);
    const QColor accent(42, 130, 218);
    QPalette palette(text, window, window.lighter(150), window.darker(200), window.darker(150),
                     text, QColor(Qt::white), base, window);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, QColor(Qt::white));
    palette.setColor(QPalette::Link, accent);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    return palette;
}

} // namespace

void ScriptRun::PrintGeometry(const Command& command) {
    QWidget* window = FindWindow(command.window);
    const QRect frame = window->frameGeometry();
    QSize client = window->size();
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
        if (mainWindow->centralWidget() != nullptr) {
            client = mainWindow->centralWidget()->size();
        }
    }
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    Print(QStringLiteral("%1 x=%2 y=%3 w=%4 h=%5 screen=%6x%7")
              .arg(command.window)
              .arg(frame.x())
              .arg(frame.y())
              .arg(client.width())
              .arg(client.height())
              .arg(screen.width())
              .arg(screen.height()));
}

void ScriptRun::PrintFrame(const Command& command) {
    QWidget* window = FindWindow(command.window);
    if (window->isVisible()) {
        // A window manager that draws no frame leaves the frame as the window.
        static_cast<void>(QTest::qWaitFor(
            [window] { return window->frameGeometry() != window->geometry(); }, kFrameTimeoutMs));
    }
    const QRect frame = window->frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = window->screen();
    }
    Print(QStringLiteral("%1 frame=%2 screen=%3 available=%4")
              .arg(command.window, RectText(frame), RectText(screen->geometry()),
                   RectText(screen->availableGeometry())));
}

void ScriptRun::Move(const Command& command) {
    QWidget* window = FindWindow(command.window);
    RequireVisible(window);
    window->move(command.point);
}

void ScriptRun::Resize(const Command& command) {
    FindWindow(command.window)->resize(command.point.x(), command.point.y());
    QApplication::processEvents();
}

void ScriptRun::Wait(const Command& command) {
    QTest::qWait(command.item);
}

void ScriptRun::Grab(const Command& command) {
    QString file = command.text;
    if (QFileInfo(file).isRelative()) {
        file = QFileInfo(script_.path).dir().filePath(file);
    }
    QScreen* screen = main_->screen();
    const QRect area = screen->geometry();
    // Window 0 is the whole desktop; the area is relative to the screen.
    if (!screen->grabWindow(0, 0, 0, area.width(), area.height()).save(file, "PNG")) {
        throw ScriptError(QStringLiteral("cannot write %1").arg(file));
    }
}

void ScriptRun::Screenshot(const Command& command) {
    QWidget* window = FindWindow(command.window);
    QString file = command.text;
    if (QFileInfo(file).isRelative()) {
        file = QFileInfo(script_.path).dir().filePath(file);
    }
    window->ensurePolished();
    if (!window->grab().save(file, "PNG")) {
        throw ScriptError(QStringLiteral("cannot write %1").arg(file));
    }
}

void ScriptRun::SetPalette(const Command& command) {
    QApplication::setPalette(command.text == QLatin1String("dark") ? DarkPalette()
                                                                   : systemPalette_);
}

void ScriptRun::PrintIcon(const Command& command) {
    QWidget* window = FindWindow(command.window);
    const QPixmap drawn = window->windowIcon().pixmap(QSize(32, 32));
    Print(drawn.isNull() ? QStringLiteral("%1 icon=none").arg(command.window)
                         : QStringLiteral("%1 icon=%2x%3")
                               .arg(command.window)
                               .arg(drawn.width())
                               .arg(drawn.height()));
}

void ScriptRun::SetLanguage(const Command& command) {
    languageChanged_ = true;
    const bool loaded = InstallQtTranslation(QLocale(command.text));
    Print(QStringLiteral("language %1 loaded=%2").arg(command.text).arg(loaded ? 1 : 0));
}

} // namespace runner
