// SPDX-License-Identifier: GPL-3.0-or-later
// Running a script: each command inside an event loop of its own, every
// message box reported and closed, and the names W and W.C looked up.
#include "ScriptRun.h"

#include "AnswerBoard.h"
#include "Startup.h"
#include "Zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>

namespace runner {
namespace {

// How long a message box may stay open before the run reports it as stuck.
constexpr int kMessageBoxTimeoutMs = 5000;
// How long to wait for a window to become active after it is shown.
constexpr int kActivateTimeoutMs = 2000;

QString IconName(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Warning:
        return QStringLiteral("warning");
    case QMessageBox::Critical:
        return QStringLiteral("error");
    case QMessageBox::Information:
        return QStringLiteral("information");
    case QMessageBox::Question:
        return QStringLiteral("question");
    case QMessageBox::NoIcon:
        break;
    }
    return QStringLiteral("none");
}

// Watches the whole application for message boxes. Each box is reported the
// moment it is shown and closed with its OK button from a zero timer, which
// runs inside the box's own modal loop; a box that is still open after the
// time-out is closed by force and reported as an error.
class MessageBoxCloser : public QObject {
public:
    MessageBoxCloser(std::function<void(const QString&)> print,
                     std::function<void(const QString&)> fail, QString* answer)
        : print_(std::move(print)), fail_(std::move(fail)), answer_(answer) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                Report(box);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report(QMessageBox* box) {
        QString text = box->text();
        text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        print_(QStringLiteral("message [%1] %2: %3")
                   .arg(box->windowTitle(), IconName(box->icon()), text));
        QPointer<QMessageBox> guard(box);
        // A question takes the answer the script gave for it, once.
        QAbstractButton* answer = nullptr;
        if (!answer_->isEmpty()) {
            answer =
                box->button(*answer_ == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
            if (answer != nullptr) {
                answer_->clear();
            }
        }
        QTimer::singleShot(0, box, [guard, answer] {
            if (guard == nullptr || !guard->isVisible()) {
                return;
            }
            QAbstractButton* ok = answer != nullptr ? answer : guard->button(QMessageBox::Ok);
            if (ok == nullptr && !guard->buttons().isEmpty()) {
                ok = guard->buttons().first();
            }
            if (ok != nullptr) {
                QTest::mouseClick(ok, Qt::LeftButton);
            }
        });
        QTimer::singleShot(kMessageBoxTimeoutMs, box, [this, guard] {
            if (guard != nullptr && guard->isVisible()) {
                fail_(QStringLiteral("the message box [%1] did not close with its OK button")
                          .arg(guard->windowTitle()));
                guard->done(QMessageBox::Cancel);
            }
        });
    }

    std::function<void(const QString&)> print_;
    std::function<void(const QString&)> fail_;
    QString* answer_;
};

// Every object named `name` inside `root`, without descending into other
// windows that `root` owns.
void Collect(QObject* root, const QString& name, QList<QObject*>& found) {
    for (QObject* child : root->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && widget->isWindow() && qobject_cast<QMenu*>(widget) == nullptr) {
            continue; // another window; a menu's pop-up belongs to its window
        }
        if (child->objectName() == name) {
            found << child;
        }
        Collect(child, name, found);
    }
}

} // namespace

ScriptRun::ScriptRun(const Script& script, const QString& dataFolder) : script_(script) {
    if (dataFolder.isEmpty()) {
        ownData_ = std::make_unique<QTemporaryDir>();
        dataHome_ = ownData_->path();
    } else {
        dataHome_ = dataFolder;
    }
}

QString ScriptRun::DataFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void ScriptRun::Run(QApplication& app) {
    // A message names the data folder as <data>, and a file put aside by its
    // time as <time>, so that transcripts do not depend on either.
    const auto masked = [this](QString text) {
        text.replace(QDir::toNativeSeparators(DataFolder()), QLatin1String("<data>"));
        static const QRegularExpression stamp(QStringLiteral("\\.bad-\\d{8}-\\d{6}"));
        return text.replace(stamp, QStringLiteral(".bad-<time>"));
    };
    MessageBoxCloser closer([this, masked](const QString& text) { Print(masked(text)); },
                            [this](const QString& text) { Fail(text); }, &answer_);
    app.installEventFilter(&closer);
    systemPalette_ = QApplication::palette();

    // Every script starts at 100% with nothing remembered, whatever the last
    // one did, and with a data folder of its own.
    if (ZoomPercent() != 100) {
        SetZoomPercent(100);
    }
    QSettings().clear();
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_));
    StartProgram();

    for (const Command& command : script_.commands) {
        current_ = command.line;
        RunOne(command);
        if (!errors_.isEmpty()) {
            break; // the windows may be in any state now: stop this script
        }
    }
    current_ = 0;
    app.removeEventFilter(&closer);
    main_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The next script starts as this one did.
    QApplication::setPalette(systemPalette_);
    if (languageChanged_) {
        InstallQtTranslation(QLocale::system());
    }
}

// Runs one command from inside an event loop of its own, as an event
// handler runs in the program; a QCoreApplication::exit() during the
// command (the main window closing) ends that loop early, which is how
// the end of the program is noticed.
void ScriptRun::StartProgram() {
    main_.reset(CreateWindows());
    main_->show();
    try {
        Activate(main_.get());
    } catch (const ScriptError& e) {
        Fail(QString::fromUtf8(e.what()));
    }
    // As the program reads its history once it has been painted.
    main_->LoadHistory();
    Settle();
}

void ScriptRun::RunOne(const Command& command) {
    if (quit_) {
        // The loops return at once after exit(); run the rest directly.
        Execute(command);
        Settle();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [this, &loop, &command] {
        Execute(command);
        if (loop.isRunning()) {
            loop.exit(0);
        } else {
            quit_ = true;
        }
    });
    loop.exec();
    if (!quit_) {
        Settle();
    }
}

void ScriptRun::Execute(const Command& command) {
    try {
        (this->*command.spec->handler)(command);
    } catch (const ScriptError& e) {
        Fail(QString::fromUtf8(e.what()));
    }
}

void ScriptRun::Print(const QString& text) {
    transcript_.push_back({current_, text});
    WriteLine(stdout, text);
}

void ScriptRun::Fail(const QString& text) {
    errors_ << QStringLiteral("%1:%2: %3").arg(script_.path).arg(current_).arg(text);
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
    }
}

void Activate(QWidget* window) {
    if (!window->isVisible()) {
        return;
    }
    if (QApplication::activeWindow() != window) {
        window->raise();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window, kActivateTimeoutMs)) {
            throw ScriptError(
                QStringLiteral("%1 did not become the active window").arg(window->objectName()));
        }
    }
    Settle();
}

QWidget* ScriptRun::FindWindow(const QString& name) const {
    if (main_->objectName() == name) {
        return main_.get();
    }
    for (QWidget* child : main_->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            return child;
        }
    }
    throw ScriptError(QStringLiteral("unknown window '%1'").arg(name));
}

QObject* ScriptRun::FindControl(const Command& command) const {
    QWidget* window = FindWindow(command.window);
    QList<QObject*> found;
    Collect(window, command.control, found);
    if (found.isEmpty()) {
        throw ScriptError(
            QStringLiteral("unknown control '%1.%2'").arg(command.window, command.control));
    }
    if (found.size() > 1) {
        throw ScriptError(QStringLiteral("%1 controls are named '%2.%3'")
                              .arg(found.size())
                              .arg(command.window, command.control));
    }
    return found.first();
}

QString ScriptRun::Name(const Command& command) {
    return command.control.isEmpty() ? command.window
                                     : command.window + QLatin1Char('.') + command.control;
}

void ScriptRun::RequireVisible(QWidget* window) {
    if (!window->isVisible()) {
        throw ScriptError(QStringLiteral("%1 is not shown").arg(window->objectName()));
    }
}

TAnswerBoard* ScriptRun::AnswerBoard() const {
    return main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                           Qt::FindDirectChildrenOnly);
}

} // namespace runner
