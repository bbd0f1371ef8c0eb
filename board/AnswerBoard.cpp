// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerBoard.h"

#include "BoardNotation.h"
#include "Fonts.h"
#include "GraphView.h"
#include "MathView.h"
#include "MessageBoxes.h"
#include "Placement.h"
#include "ToolForm.h"
#include "Zoom.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char* kGeometryKey = "board/geometry";
// The board keeps this many calculations; older ones leave the history.
constexpr std::size_t kHistoryLength = 1000;
// Text sizes at 100 %: the tool windows' fields are 12 px.
constexpr int kAnswerPixels = 36;
constexpr int kDecimalPixels = 22;
constexpr int kProblemPixels = 24;
constexpr int kWorkingPixels = 20;
constexpr int kListPixels = 14;
// The board's first size, and the least width it takes beside the other windows.
constexpr QSize kFirstSize(520, 620);
constexpr int kLeastWidth = 320;
// What the launcher's column of tool windows takes, for those not made yet.
constexpr int kToolColumnWidth = 700;
constexpr int kGap = 8;

QString OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ';');
    return QString::fromStdString(text);
}

// A row of the history: "window: problem → answer".
QString ItemText(const TBoardEntry& entry) {
    return QStringLiteral("%1: %2 → %3")
        .arg(QString::fromStdString(entry.Window),
             OneLine(arith::MathToUnicode(entry.Math().Problem)),
             OneLine(arith::MathToUnicode(entry.ShownAnswer())));
}

} // namespace

void TBoardHistory::Add(TBoardEntry entry) {
    if (entries_.size() == kHistoryLength) {
        entries_.erase(entries_.begin());
    }
    entries_.push_back(std::move(entry));
    emit Added();
}

TAnswerBoard::TAnswerBoard(QWidget* main, const TBoardHistory& history)
    : QWidget(main, Qt::Window), main_(main), history_(history) {
    setObjectName(QStringLiteral("TAnswerBoard"));
    setWindowTitle(QStringLiteral("解答ボード"));
    setFont(GothicFont(kListPixels));

    windowLabel_ = new QLabel(this);
    windowLabel_->setObjectName(QStringLiteral("WindowLabel"));
    problem_ = new TMathView;
    problem_->setObjectName(QStringLiteral("ProblemView"));
    problem_->SetPixelSize(kProblemPixels);
    problem_->setAccessibleName(QStringLiteral("問題"));
    answer_ = new TMathView;
    answer_->setObjectName(QStringLiteral("AnswerView"));
    answer_->SetPixelSize(kAnswerPixels);
    answer_->setAccessibleName(QStringLiteral("答え"));

    decimals_ = new TMathView;
    decimals_->setObjectName(QStringLiteral("DecimalView"));
    decimals_->SetPixelSize(kDecimalPixels);
    decimals_->setAccessibleName(QStringLiteral("小数での値"));
    decimals_->hide();

    workingLabel_ = new QLabel(QStringLiteral("途中式"));
    working_ = new TMathView;
    working_->setObjectName(QStringLiteral("WorkingView"));
    working_->SetPixelSize(kWorkingPixels);
    working_->setAccessibleName(QStringLiteral("途中式"));

    // The graph, with its caption, under the answer; hidden as a whole where there is none.
    graphBox_ = new QWidget;
    auto* graphLayout = new QVBoxLayout(graphBox_);
    graphLayout->setContentsMargins(0, kWorkingPixels / 2, 0, 0);
    auto* graphLabel = new QLabel(QStringLiteral("グラフ"));
    graph_ = new TGraphView;
    graphLabel->setBuddy(graph_);
    graphLayout->addWidget(graphLabel);
    graphLayout->addWidget(graph_);
    graphBox_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    graphBox_->hide();

    // Problem, answer and working scroll together, so that a long one is never cut.
    auto* sheet = new QWidget;
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->addWidget(problem_);
    sheetLayout->addWidget(answer_);
    sheetLayout->addWidget(decimals_);
    sheetLayout->addWidget(graphBox_);
    sheetLayout->addSpacing(kWorkingPixels / 2);
    sheetLayout->addWidget(workingLabel_);
    sheetLayout->addWidget(working_);
    sheetLayout->addStretch();
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("AnswerArea"));
    scroll_->setWidget(sheet);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A working line too long to break widens the sheet; the graph keeps the
    // width the board shows, and so does its saved picture.
    scroll_->viewport()->installEventFilter(this);

    auto* listLabel = new QLabel(QStringLiteral("履歴（新しい順）"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("HistoryList"));
    list_->setAccessibleName(QStringLiteral("計算の履歴"));
    listLabel->setBuddy(list_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(windowLabel_);
    layout->addWidget(scroll_, 3);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);

    const struct {
        const char* Name;
        const char* Caption;
        QKeySequence Key;
        void (TAnswerBoard::*Copy)() const;
    } copies[] = {
        {"CopyTextMenu", "答えをコピー(&C)", QKeySequence::Copy, &TAnswerBoard::CopyText},
        {"CopyUnicodeMenu", "数式の文字でコピー(&U)",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TAnswerBoard::CopyUnicode},
        {"CopyLatexMenu", "LaTeX でコピー(&L)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
         &TAnswerBoard::CopyLatex},
        {"CopyWorkingUnicodeMenu", "途中式を数式の文字でコピー(&W)", QKeySequence(),
         &TAnswerBoard::CopyWorkingUnicode},
        {"CopyWorkingLatexMenu", "途中式を LaTeX でコピー(&X)", QKeySequence(),
         &TAnswerBoard::CopyWorkingLatex},
        {"CopyWholeMenu", "解答全体をコピー(&A)", QKeySequence(), &TAnswerBoard::CopyWhole},
        {"CopyWholeLatexMenu", "解答全体を LaTeX でコピー(&T)", QKeySequence(),
         &TAnswerBoard::CopyWholeLatex},
        {"CopyGraphMenu", "グラフをコピー(&G)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G),
         &TAnswerBoard::CopyGraph},
    };
    for (const auto& copy : copies) {
        auto* action = new QAction(QString::fromUtf8(copy.Caption), this);
        action->setObjectName(QString::fromLatin1(copy.Name));
        action->setShortcut(copy.Key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, member = copy.Copy] { (this->*member)(); });
        addAction(action);
        if (copy.Copy == &TAnswerBoard::CopyGraph) {
            graphActions_.push_back(action);
        }
    }

    const struct {
        const char* Name;
        const char* Caption;
        void (TAnswerBoard::*Save)();
    } saves[] = {
        {"SaveGraphPngMenu", "グラフを PNG で保存(&P)...", &TAnswerBoard::SaveGraphPng},
        {"SaveGraphSvgMenu", "グラフを SVG で保存(&S)...", &TAnswerBoard::SaveGraphSvg},
    };
    for (const auto& save : saves) {
        auto* action = new QAction(QString::fromUtf8(save.Caption), this);
        action->setObjectName(QString::fromLatin1(save.Name));
        connect(action, &QAction::triggered, this,
                [this, member = save.Save] { (this->*member)(); });
        addAction(action);
        graphActions_.push_back(action);
    }

    for (QAction* action : graphActions_) {
        action->setEnabled(false); // until an entry with a graph is shown
    }

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            ShowEntry(static_cast<int>(history_.Entries().size()) - 1 - row);
        }
    });
    connect(&history_, &TBoardHistory::Added, this, &TAnswerBoard::Follow);

    resize(kFirstSize);
    MakeZoomable(this);
    FillHistory();
    if (!history_.Entries().empty()) {
        ShowEntry(static_cast<int>(history_.Entries().size()) - 1);
    }
}

void TAnswerBoard::Follow() {
    // One row more at the top; a full history has let its oldest entry go.
    const auto& entries = history_.Entries();
    {
        const QSignalBlocker quiet(list_);
        if (list_->count() >= static_cast<int>(entries.size())) {
            delete list_->takeItem(list_->count() - 1);
        }
        list_->insertItem(0, ItemText(entries.back()));
    }
    ShowEntry(static_cast<int>(entries.size()) - 1);
}

void TAnswerBoard::FillHistory() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    const auto& entries = history_.Entries();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        list_->addItem(ItemText(*entry));
    }
}

void TAnswerBoard::ShowEntry(int index) {
    const auto& entries = history_.Entries();
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        return;
    }
    shown_ = index;
    const TBoardEntry& entry = entries[static_cast<std::size_t>(index)];
    windowLabel_->setText(QString::fromStdString(entry.Window));
    problem_->SetMath(entry.Math().Problem);
    answer_->SetMath(entry.ShownAnswer());
    const std::optional<arith::TMath>& decimals = entry.Math().Decimals;
    decimals_->SetMath(decimals.value_or(arith::MathRow({})));
    decimals_->setVisible(decimals.has_value());
    const std::optional<arith::TMath>& working = entry.Math().Working;
    working_->SetMath(working.value_or(arith::MathRow({})));
    workingLabel_->setVisible(working.has_value());
    working_->setVisible(working.has_value());
    const std::optional<arith::TGraph>& graph = entry.Graph();
    graph_->SetGraph(graph);
    graphBox_->setVisible(graph.has_value());
    for (QAction* action : graphActions_) {
        action->setEnabled(graph.has_value());
    }
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(static_cast<int>(entries.size()) - 1 - index);
}

const TBoardEntry* TAnswerBoard::Shown() const {
    return shown_ < 0 ? nullptr : &history_.Entries()[static_cast<std::size_t>(shown_)];
}

void TAnswerBoard::CopyText() const {
    if (const TBoardEntry* entry = Shown()) {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(entry->Answer ? entry->Text : entry->Message));
    }
}

void TAnswerBoard::CopyUnicode() const {
    if (const TBoardEntry* entry = Shown()) {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(arith::MathToUnicode(entry->ShownAnswer())));
    }
}

void TAnswerBoard::CopyLatex() const {
    if (const TBoardEntry* entry = Shown()) {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(arith::MathToLatex(entry->ShownAnswer())));
    }
}

void TAnswerBoard::CopyWorkingUnicode() const {
    const TBoardEntry* entry = Shown();
    const std::optional<arith::TMath> working =
        entry != nullptr ? entry->CopiedWorking() : std::nullopt;
    if (working) {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(arith::MathToUnicode(*working)));
    }
}

void TAnswerBoard::CopyWorkingLatex() const {
    const TBoardEntry* entry = Shown();
    const std::optional<arith::TMath> working =
        entry != nullptr ? entry->CopiedWorking() : std::nullopt;
    if (working) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(arith::MathToLatex(*working)));
    }
}

namespace {

arith::TWholeAnswer WholeAnswer(const TBoardEntry& entry) {
    return {entry.Math().Problem, entry.ShownAnswer(), entry.Math().Decimals,
            entry.CopiedWorking()};
}

} // namespace

void TAnswerBoard::CopyWhole() const {
    if (const TBoardEntry* entry = Shown()) {
        const arith::TWholeAnswer whole = WholeAnswer(*entry);
        auto* data = new QMimeData;
        data->setText(QString::fromStdString(arith::WholeAnswerUnicode(whole)));
        data->setData(QStringLiteral("application/x-latex"),
                      QByteArray::fromStdString(arith::WholeAnswerLatex(whole)));
        QGuiApplication::clipboard()->setMimeData(data);
    }
}

void TAnswerBoard::CopyWholeLatex() const {
    if (const TBoardEntry* entry = Shown()) {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(arith::WholeAnswerLatex(WholeAnswer(*entry))));
    }
}

void TAnswerBoard::CopyGraph() const {
    graph_->EnsureBuilt();
    const QImage image = graph_->Image();
    if (image.isNull()) {
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), graph_->Svg());
    QGuiApplication::clipboard()->setMimeData(data);
}

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

bool TAnswerBoard::WriteGraphPng(const QString& path) const {
    graph_->EnsureBuilt();
    const QImage image = graph_->Image();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return !image.isNull() && buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") &&
           WriteFile(path, bytes);
}

bool TAnswerBoard::WriteGraphSvg(const QString& path) const {
    graph_->EnsureBuilt();
    return WriteFile(path, graph_->Svg());
}

void TAnswerBoard::SaveGraphPng() {
    if (!graph_->HasGraph()) {
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("グラフを PNG で保存"),
                                                      QStringLiteral("graph.png"),
                                                      QStringLiteral("PNG 画像 (*.png)"));
    if (!path.isEmpty() && !WriteGraphPng(path)) {
        ErrorBox(QStringLiteral("%1 に保存できませんでした").arg(path), this);
    }
}

void TAnswerBoard::SaveGraphSvg() {
    if (!graph_->HasGraph()) {
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("グラフを SVG で保存"),
                                                      QStringLiteral("graph.svg"),
                                                      QStringLiteral("SVG 画像 (*.svg)"));
    if (!path.isEmpty() && !WriteGraphSvg(path)) {
        ErrorBox(QStringLiteral("%1 に保存できませんでした").arg(path), this);
    }
}

bool TAnswerBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        graphBox_->setMaximumWidth(scroll_->viewport()->width());
    }
    return QWidget::eventFilter(watched, event);
}

void TAnswerBoard::contextMenuEvent(QContextMenuEvent* event) {
    // Opened without a loop of its own, as the fields' menus are, so that
    // nothing waits on it.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(actions());
    menu->popup(event->globalPos());
}

void TAnswerBoard::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TAnswerBoard::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        const QByteArray saved = QSettings().value(QLatin1String(kGeometryKey)).toByteArray();
        if (saved.isEmpty() || !restoreGeometry(saved)) {
            PlaceBeside();
        }
    }
    QWidget::setVisible(visible);
}

void TAnswerBoard::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    QSettings().setValue(QLatin1String(kGeometryKey), saveGeometry());
}

void TAnswerBoard::PlaceBeside() {
    const QScreen* screen = ScreenOf(main_);
    const QRect area = screen->availableGeometry();
    const QRect launcher = main_->frameGeometry();
    // The launcher, the tool windows made so far, and the column below the
    // launcher where the others will go.
    QRect taken = launcher | QRect(launcher.left(), launcher.bottom(), Zoomed(kToolColumnWidth),
                                   area.bottom() - launcher.bottom());
    for (const ToolForm* tool : main_->findChildren<ToolForm*>(Qt::FindDirectChildrenOnly)) {
        taken |= tool->frameGeometry();
    }
    taken &= area;
    const QMargins frame = FrameMargins(main_);
    const int gap = Zoomed(kGap);
    const int rightRoom = area.right() - taken.right() - gap;
    const int leftRoom = taken.left() - area.left() - gap;
    const int outerWidth = Zoomed(kFirstSize.width()) + frame.left() + frame.right();
    int width = outerWidth;
    int left = area.right() + 1 - outerWidth; // no room: at the screen's right edge
    if (rightRoom >= Zoomed(kLeastWidth) && rightRoom >= leftRoom) {
        width = std::min(outerWidth, rightRoom);
        left = taken.right() + 1 + gap;
    } else if (leftRoom >= Zoomed(kLeastWidth)) {
        width = std::min(outerWidth, leftRoom);
        left = taken.left() - gap - width;
    }
    const int height = std::min(Zoomed(kFirstSize.height()) + frame.top() + frame.bottom(),
                                area.bottom() + 1 - launcher.top());
    resize(width - frame.left() - frame.right(), height - frame.top() - frame.bottom());
    MoveOnScreen(this, QPoint(left, launcher.top()), screen, frame);
}
