// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranMain.h"

#include "AnswerBoard.h"
#include "Fonts.h"
#include "FormulaEdit.h"
#include "FormulaLine.h"
#include "Handout.h"
#include "MessageBoxes.h"
#include "Placement.h"
#include "ToolForm.h"
#include "WindowRegistry.h"
#include "Zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <string>
#include <utility>
#include <variant>

namespace {

constexpr int kColumnLeft[] = {8, 80, 152, 224, 296};
constexpr int kRowTop[] = {8, 64, 120};
constexpr QSize kClient(374, 179);
constexpr int kTopGap = 25; // from the top of the screen's free area to the window's top
// How long a window manager may take to frame a window just shown.
constexpr int kFramedMs = 300;
// Lets a window just opened be painted and framed before the warm-up runs.
constexpr int kWarmUpDelayMs = 100;

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption,
                             QRect geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    // The free Gothic face sets digits wider than the face the grid was drawn
    // for; a caption that would not fit is drawn slightly narrower instead.
    constexpr int kMargin = 6;
    QFont font = button->font();
    const int natural = QFontMetrics(font).horizontalAdvance(caption);
    if (natural > geometry.width() - kMargin) {
        font.setStretch(100 * (geometry.width() - kMargin) / natural);
        button->setFont(font);
    }
    return button;
}

QAction* MakeEntry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      history_(new TBoardHistory(this)) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Vorantel"));
    setFont(GothicFont(12));

    auto* client = new QWidget(this);
    client->setFixedSize(kClient);
    setCentralWidget(client);
    BuildFormulaBar();

    auto* separator = new QFrame(client);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(0, 0, kClient.width(), 2);

    QMenu* goMenu = menuBar()->addMenu(QStringLiteral("実行(&G)"));
    goMenu->setObjectName(QStringLiteral("GoMenu"));
    for (const TWindowEntry& tool : Windows()) {
        if (tool.Button == nullptr) {
            continue; // the version dialog: the ヘルプ menu opens it
        }
        const QRect cell(kColumnLeft[tool.Column - 1], kRowTop[tool.Row - 1], 70, 50);
        QToolButton* button =
            MakeSpeedButton(client, tool.Button, QString::fromUtf8(tool.ButtonCaption), cell);
        // What a screen reader calls the button: the window it opens.
        button->setAccessibleName(QString::fromUtf8(tool.ButtonName));
        QAction* entry = MakeEntry(goMenu, tool.Menu, QString::fromUtf8(tool.MenuCaption));
        const char* windowClass = tool.Class;
        connect(button, &QToolButton::clicked, this,
                [this, windowClass] { ShowChild(windowClass); });
        connect(entry, &QAction::triggered, this, [this, windowClass] { ShowChild(windowClass); });
    }
    goMenu->addSeparator();
    AddHandoutEntries(goMenu);
    goMenu->addSeparator();
    QAction* exitEntry = MakeEntry(goMenu, "ExitMenu", QStringLiteral("終了(&X)"));
    connect(exitEntry, &QAction::triggered, this, &QWidget::close);

    QToolButton* exitButton = MakeSpeedButton(client, "ExitButton", QStringLiteral("終了"),
                                              QRect(kColumnLeft[4], kRowTop[2], 70, 49));
    connect(exitButton, &QToolButton::clicked, this, &QWidget::close);
    exitButton->setAccessibleName(QStringLiteral("終了"));

    BuildViewMenu();

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    MakeEntry(helpMenu, "TopicMenu", QStringLiteral("トピックの検索(&H)"))->setEnabled(false);
    helpMenu->addSeparator();
    QAction* versionEntry =
        MakeEntry(helpMenu, "VersionMenu", QStringLiteral("バージョン情報(&A)"));
    connect(versionEntry, &QAction::triggered, this, [this] { ShowChild("TVersionForm"); });

    connect(history_, &TBoardHistory::Notice, this,
            [this](const QString& text) { NoticeBox(text, this); });

    setFixedSize(kClient.width(), kClient.height() + BarsHeight());
    MakeZoomable(this);
    PlaceWindows(QGuiApplication::primaryScreen()); // the program opens on the primary screen
}

void TMainForm::BuildFormulaBar() {
    // A bar of its own under the menu bar, so that the buttons below keep
    // their places; it cannot be moved, floated or hidden.
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("FormulaBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    formulaEdit_ = new TFormulaEdit(bar);
    formulaEdit_->setObjectName(QStringLiteral("FormulaEdit"));
    formulaEdit_->setAccessibleName(QStringLiteral("問題の式"));
    formulaEdit_->setPlaceholderText(QStringLiteral("例: x^2-5x+6=0"));
    formulaEdit_->setToolTip(QStringLiteral(
        "問題を教科書の書き方で入力して Enter を押すと、その計算のウィンドウに入れて計算します。"
        "↑ と ↓ で前に入力した式を呼び出せます"));
    bar->addWidget(formulaEdit_);
    addToolBar(Qt::TopToolBarArea, bar);
    formulaBar_ = bar;
    connect(formulaEdit_, &TFormulaEdit::Entered, this, &TMainForm::EnterFormula);
    connect(formulaEdit_, &QLineEdit::textEdited, this, [this] { StartWarmUp(0); });
    // The line has the keyboard when the program starts.
    setFocusProxy(formulaEdit_);
    formulaEdit_->setFocus();
}

int TMainForm::BarsHeight() const {
    return menuBar()->sizeHint().height() + formulaBar_->sizeHint().height();
}

void TMainForm::EnterFormula(const QString& line) {
    const problems::TFormulaReading reading = problems::RecognizeFormula(line.toStdString());
    if (const auto* refusal = std::get_if<problems::TFormulaRefusal>(&reading)) {
        WarningBox(QString::fromStdString(refusal->Message), this);
        formulaEdit_->setFocus();
        formulaEdit_->PointAt(refusal->Position);
        return;
    }
    const auto& problem = std::get<problems::TFormulaProblem>(reading);
    const TWindowEntry* entry = FindWindow(problem.Window);
    if (entry == nullptr) {
        ErrorBox(QStringLiteral("式の行き先のウィンドウがありません: %1")
                     .arg(QString::fromStdString(problem.Window)),
                 this);
        return;
    }
    ShowChild(entry->Class);
    auto* window =
        findChild<QWidget*>(QString::fromLatin1(entry->Class), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        return;
    }
    // As typing by hand would leave the window: every field written, then the
    // modes clicked in order, so that the window's own mode logic runs, then
    // the command clicked, so that its own calculation shows the answer.
    for (const auto& [field, text] : problem.Fields) {
        if (auto* edit = window->findChild<QLineEdit*>(QString::fromStdString(field))) {
            edit->setText(QString::fromStdString(text));
            edit->setCursorPosition(0);
        }
    }
    const auto click = [window](const std::string& name) {
        if (auto* button = window->findChild<QAbstractButton*>(QString::fromStdString(name))) {
            button->click();
        }
    };
    for (const std::string& radio : problem.Checked) {
        click(radio);
    }
    click(problem.Command);
}

void TMainForm::BuildViewMenu() {
    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    viewMenu->setObjectName(QStringLiteral("ViewMenu"));
    const struct {
        const char* Name;
        const char* Caption;
        int Direction; // 0: back to 100%
        QList<QKeySequence> Keys;
    } entries[] = {
        {"ZoomInMenu",
         "拡大(&I)",
         1,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)}},
        {"ZoomOutMenu",
         "縮小(&O)",
         -1,
         {QKeySequence(Qt::CTRL | Qt::Key_Minus),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)}},
        {"ZoomResetMenu",
         "標準の大きさ(&R)",
         0,
         {QKeySequence(Qt::CTRL | Qt::Key_0),
          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0)}},
    };
    for (const auto& entry : entries) {
        QAction* action = MakeEntry(viewMenu, entry.Name, QString::fromUtf8(entry.Caption));
        action->setShortcuts(entry.Keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        const int direction = entry.Direction;
        connect(action, &QAction::triggered, this, [this, direction] {
            SetZoom(direction == 0 ? 100 : NextZoomStep(ZoomPercent(), direction));
        });
    }
    viewMenu->addSeparator();
    QAction* board = MakeEntry(viewMenu, "BoardMenu", QStringLiteral("解答ボード(&B)"));
    board->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    board->setShortcutContext(Qt::ApplicationShortcut);
    board->setToolTip(
        QStringLiteral("最後の計算の問題と答えを教科書の書き方で大きく表示します (Ctrl+B)"));
    viewMenu->setToolTipsVisible(true);
    connect(board, &QAction::triggered, this, &TMainForm::ShowBoard);
    AddPresentEntry(viewMenu);
}

void TMainForm::AddHandoutEntries(QMenu* goMenu) {
    for (const TAnswerBoard::THandoutCommand& entry : TAnswerBoard::HandoutCommands()) {
        QAction* action = MakeEntry(goMenu, (std::string("Go") + entry.Name).c_str(),
                                    QString::fromUtf8(entry.Caption));
        action->setShortcut(entry.Key);
        // The board takes what it shows or what is chosen in its history; one
        // not opened yet is made, hidden, and takes the newest calculation.
        connect(action, &QAction::triggered, this, [this, member = entry.Take] {
            auto* board = findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                   Qt::FindDirectChildrenOnly);
            if (board == nullptr) {
                board =
                    qobject_cast<TAnswerBoard*>(CreateChildWindow(this, *history_, "TAnswerBoard"));
            }
            if (board != nullptr) {
                (board->*member)();
            }
        });
    }
    goMenu->addMenu(HandoutLayoutMenu(goMenu));
}

void TMainForm::ShowBoard() {
    QWidget* typing = QApplication::activeWindow();
    auto* board = findChild<QWidget*>(QStringLiteral("TAnswerBoard"), Qt::FindDirectChildrenOnly);
    if (board == nullptr) {
        board = CreateChildWindow(this, *history_, "TAnswerBoard");
    }
    board->setAttribute(Qt::WA_ShowWithoutActivating);
    board->show();
    // In front, unless it would cover the launcher or a tool window; again
    // once the window manager has framed it.
    if (auto* answerBoard = qobject_cast<TAnswerBoard*>(board)) {
        answerBoard->BringForward();
        QTimer::singleShot(kFramedMs, this, &TMainForm::BoardGivesWay);
    } else {
        board->raise();
    }
    // Where the platform activates every window it shows, the window typed
    // in takes the keyboard back, to the control that had it there.
    if (typing != nullptr && typing != board) {
        typing->activateWindow();
    }
}

void TMainForm::AddPresentEntry(QMenu* viewMenu) {
    QAction* present = MakeEntry(viewMenu, "PresentMenu", QStringLiteral("発表モード(&P)"));
    present->setCheckable(true);
    present->setShortcut(QKeySequence(Qt::Key_F11));
    present->setShortcutContext(Qt::ApplicationShortcut);
    present->setToolTip(QStringLiteral("解答ボードを画面いっぱいに大きく映します。途中式は → か "
                                       "Space で1行ずつ、Esc で終わります (F11)"));
    connect(present, &QAction::triggered, this, [this, present](bool on) {
        if (on) {
            ShowChild("TAnswerBoard");
        }
        auto* board =
            findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"), Qt::FindDirectChildrenOnly);
        if (board == nullptr) {
            present->setChecked(false);
            return;
        }
        connect(board, &TAnswerBoard::PresentingChanged, present, &QAction::setChecked,
                Qt::UniqueConnection);
        board->SetPresenting(on);
    });
}

void TMainForm::BoardGivesWay() {
    if (auto* board =
            findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"), Qt::FindDirectChildrenOnly)) {
        board->GiveWay();
    }
}

void TMainForm::SetZoom(int percent) {
    SetZoomPercent(percent);
    // The menu bar's height follows its font, not the zoom factor exactly.
    auto* client = centralWidget();
    zoomedSize_ = QSize(client->width(), client->height() + BarsHeight());
    setFixedSize(zoomedSize_);
    PlaceAfterZoom();
}

void TMainForm::PlaceAfterZoom() {
    PlaceWindows(ScreenOf(this));
    // The launcher has grown or shrunk: the tool windows already placed go
    // below it again, at the zoomed offsets.
    for (ToolForm* tool : findChildren<ToolForm*>(Qt::FindDirectChildrenOnly)) {
        if (tool->Placed()) {
            tool->PlaceBelow(this);
        }
    }
    BoardGivesWay();
}

void TMainForm::PlaceWindows(const QScreen* screen) {
    // Top edge 25 below the top of the screen's free area, centred across it.
    // Where that leaves the answer board too little room on either side, and
    // the left edge would leave it enough on the right, at the left edge.
    const QRect area = screen->availableGeometry();
    const QRect outer = frameGeometry();
    const int centred = area.left() + (area.width() - outer.width()) / 2;
    const int least = kBoardLeastWidth + 2 * Zoomed(kWindowGap);
    const bool leftEdge = centred - area.left() < least && area.width() - outer.width() >= least;
    MoveOnScreen(this, QPoint(leftEdge ? area.left() : centred, area.top() + kTopGap), screen,
                 FrameMargins(this));
    for (ToolForm* tool : findChildren<ToolForm*>(Qt::FindDirectChildrenOnly)) {
        if (!tool->Placed()) {
            tool->PlaceBelow(this);
        }
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!placed_) {
        placed_ = true;
        PlaceWindows(ScreenOf(this));
    }
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FrameChanged();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FrameChanged();
    // A window system that takes the zoomed size only later: everything is
    // placed again around the launcher's new size once it has it.
    if (placed_ && zoomedSize_.isValid() && size() == zoomedSize_) {
        zoomedSize_ = QSize();
        PlaceAfterZoom();
    }
}

void TMainForm::FrameChanged() {
    if (framed_ || !placed_) {
        return;
    }
    for (ToolForm* tool : findChildren<ToolForm*>(Qt::FindDirectChildrenOnly)) {
        if (tool->Placed()) {
            tool->PlaceBelow(this);
        }
    }
    framed_ = !FrameMargins(this).isNull();
}

void TMainForm::ShowChild(const char* className) {
    auto* window = findChild<QWidget*>(QString::fromLatin1(className), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = CreateChildWindow(this, *history_, className);
    }
    if (window == nullptr) {
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (qobject_cast<ToolForm*>(window) != nullptr) {
        BoardGivesWay();
        // Again once the window manager has framed and placed the new window.
        QTimer::singleShot(kFramedMs, this, &TMainForm::BoardGivesWay);
        // Once the new window has been painted, before the user has typed.
        StartWarmUp(kWarmUpDelayMs);
    }
}

void TMainForm::WarmUpBeforeFirstAnswer(std::function<void()> warmUp) {
    warmUp_ = std::move(warmUp);
}

void TMainForm::StartWarmUp(int delayMs) {
    if (warmUp_) {
        QTimer::singleShot(delayMs, this, std::exchange(warmUp_, nullptr));
    }
}

void TMainForm::LoadHistory() {
    history_->Load();
}

void TMainForm::Reopen(int index) {
    const std::vector<TBoardEntry>& entries = history_->Entries();
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        return;
    }
    const TBoardEntry& entry = entries[static_cast<std::size_t>(index)];
    const TWindowEntry* window = FindWindow(entry.WindowClass);
    if (window == nullptr || window->Solve == nullptr) {
        return;
    }
    const problems::TWindowInput input = entry.Input;
    ShowChild(window->Class);
    if (auto* tool =
            findChild<ToolForm*>(QString::fromLatin1(window->Class), Qt::FindDirectChildrenOnly)) {
        tool->Reopen(input);
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Closing the launcher ends the program, with any tool windows still open.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            child->hide();
        }
    }
    event->accept();
    QCoreApplication::exit(0);
}
