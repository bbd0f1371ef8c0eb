// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerBoard.h"

#include "BoardNotation.h"
#include "Fonts.h"
#include "GraphPane.h"
#include "Handout.h"
#include "MathView.h"
#include "MessageBoxes.h"
#include "Placement.h"
#include "ToolForm.h"
#include "Zoom.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr const char* kGeometryKey = "board/geometry";
// Text sizes at 100 %: the tool windows' fields are 12 px.
constexpr int kAnswerPixels = 36;
constexpr int kDecimalPixels = 22;
constexpr int kProblemPixels = 24;
constexpr int kWorkingPixels = 20;
constexpr int kListPixels = 14;
// The board's first size.
constexpr QSize kFirstSize(520, 620);
// What the launcher's column of tool windows takes, for those not made yet:
// from a little left of the launcher, this wide and this tall.
constexpr int kToolColumnLeft = 80;
constexpr int kToolColumnWidth = 700;
constexpr int kToolColumnHeight = 260;
// Where the panes' sizes and the history's and the graph's being shown are kept.
constexpr const char* kPanesKey = "board/panes";
constexpr const char* kHistoryShownKey = "board/history";
constexpr const char* kGraphShownKey = "board/graph";
// Text sizes while presenting, on a screen 1080 pixels high (and in
// proportion on others), and the graph's share of the screen's height.
constexpr int kPresentLabelPixels = 32;
constexpr int kPresentProblemPixels = 56;
constexpr int kPresentAnswerPixels = 84;
constexpr int kPresentWorkingPixels = 48;
constexpr int kPresentDecimalPixels = 40;
constexpr double kPresentGraphShare = 0.6;
// While presenting, a line too wide for the sheet (a table of signs) is set
// smaller to fit, but not below this size.
constexpr int kPresentLeastPixels = 30;
// The graph's height, at 100 %, as dragged by the bar under it: kept here,
// and never lower or taller than these.
constexpr const char* kGraphHeightKey = "board/graphHeight";
constexpr int kGraphLeastHeight = 120;
constexpr int kGraphMostHeight = 1200;

QString OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ';');
    return QString::fromStdString(text);
}

// A row of the history: "window: problem → answer".
QString ItemText(const TBoardEntry& entry) {
    return QStringLiteral("%1: %2 → %3")
        .arg(QString::fromStdString(entry.Window), OneLine(entry.ProblemLine()),
             OneLine(entry.AnswerLine()));
}

// The bar under the graph: dragged up or down, it makes the graph lower or
// taller; the height is kept, at 100 %, for the next time.
class TGraphGrip : public QFrame {
public:
    explicit TGraphGrip(TGraphPane* graph) : graph_(graph) {
        setObjectName(QStringLiteral("GraphGrip"));
        setFrameShape(QFrame::HLine);
        setFrameShadow(QFrame::Sunken);
        setFixedHeight(8);
        setCursor(Qt::SizeVerCursor);
        setToolTip(QStringLiteral("上下にドラッグするとグラフの高さを変えられます"));
        const int saved = QSettings().value(QLatin1String(kGraphHeightKey), 0).toInt();
        if (saved > 0) {
            graph_->SetUsualChartHeight(std::clamp(saved, kGraphLeastHeight, kGraphMostHeight));
        }
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        from_ = event->globalPosition().y();
        height_ = graph_->ChartHeight();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if ((event->buttons() & Qt::LeftButton) == 0) {
            return;
        }
        const double zoom = ZoomPercent() / 100.0;
        const double pixels = height_ + event->globalPosition().y() - from_;
        const int usual = std::clamp(static_cast<int>(std::lround(pixels / zoom)),
                                     kGraphLeastHeight, kGraphMostHeight);
        if (usual != usual_) {
            usual_ = usual;
            graph_->SetUsualChartHeight(usual);
        }
    }
    void mouseReleaseEvent(QMouseEvent* /*event*/) override {
        if (usual_ > 0) {
            QSettings().setValue(QLatin1String(kGraphHeightKey), usual_);
        }
        usual_ = 0;
    }

private:
    TGraphPane* graph_;
    double from_ = 0;
    int height_ = 0;
    int usual_ = 0; // the height being dragged to, at 100 %
};

} // namespace

TAnswerBoard::TAnswerBoard(QWidget* main, TBoardHistory& history)
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
    workingLabel_->setWordWrap(true); // the keys' hint while presenting is long
    working_ = new TMathView;
    working_->setObjectName(QStringLiteral("WorkingView"));
    working_->SetPixelSize(kWorkingPixels);
    working_->setAccessibleName(QStringLiteral("途中式"));

    // The graph, with its caption, under the answer; hidden as a whole where there is none.
    graphBox_ = new QWidget;
    auto* graphLayout = new QVBoxLayout(graphBox_);
    graphLayout->setContentsMargins(0, kWorkingPixels / 2, 0, 0);
    auto* graphLabel = new QLabel(QStringLiteral("グラフ"));
    graph_ = new TGraphPane;
    graphLabel->setBuddy(graph_);
    graphLayout->addWidget(graphLabel);
    graphLayout->addWidget(graph_);
    graphGrip_ = new TGraphGrip(graph_);
    graphLayout->addWidget(graphGrip_);
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
    // Several entries can be chosen (Ctrl, Shift) for a handout or an export.
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listLabel->setBuddy(list_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(windowLabel_);
    BuildPanes(listLabel);
    layout->addWidget(panes_);

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

    for (const THandoutCommand& handout : HandoutCommands()) {
        auto* action = new QAction(QString::fromUtf8(handout.Caption), this);
        action->setObjectName(QString::fromLatin1(handout.Name));
        action->setShortcut(handout.Key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, member = handout.Take] { (this->*member)(); });
        addAction(action);
    }
    addAction(HandoutLayoutMenu(this)->menuAction());
    // The history's own entries: the shown entry back into its window, and emptying it.
    auto* reopen = new QAction(QStringLiteral("入力に戻す(&O)"), this);
    reopen->setObjectName(QStringLiteral("ReopenMenu"));
    connect(reopen, &QAction::triggered, this, [this] {
        if (shown_ >= 0) {
            emit ReopenRequested(shown_);
        }
    });
    addAction(reopen);
    auto* clear = new QAction(QStringLiteral("履歴を消去(&E)..."), this);
    clear->setObjectName(QStringLiteral("ClearHistoryMenu"));
    connect(clear, &QAction::triggered, this, &TAnswerBoard::AskClearHistory);
    addAction(clear);
    // Double-click or Enter on an entry.
    connect(list_, &QListWidget::activated, this, [this](const QModelIndex& item) {
        emit ReopenRequested(static_cast<int>(history_.Entries().size()) - 1 - item.row());
    });

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            ShowEntry(static_cast<int>(history_.Entries().size()) - 1 - row);
        }
    });
    connect(&history_, &TBoardHistory::Added, this, &TAnswerBoard::Follow);
    connect(&history_, &TBoardHistory::Replaced, this, &TAnswerBoard::Unlist);
    connect(&history_, &TBoardHistory::Reset, this, &TAnswerBoard::Refill);

    resize(kFirstSize);
    MakeZoomable(this);
    Refill();
}

void TAnswerBoard::Refill() {
    FillHistory();
    if (!history_.Entries().empty()) {
        ShowEntry(static_cast<int>(history_.Entries().size()) - 1);
        return;
    }
    // Nothing to show: the sheet is blank.
    shown_ = -1;
    windowLabel_->clear();
    for (TMathView* view : {problem_, answer_, decimals_, working_}) {
        view->SetMath(arith::MathRow({}));
    }
    for (QWidget* part : {static_cast<QWidget*>(decimals_), static_cast<QWidget*>(working_),
                          static_cast<QWidget*>(workingLabel_)}) {
        part->hide();
    }
    graph_->SetGraph(std::nullopt);
    ShowPanes();
    for (QAction* action : graphActions_) {
        action->setEnabled(false);
    }
}

void TAnswerBoard::AskClearHistory() {
    if (QuestionBox(QStringLiteral("履歴の計算 %1 件をすべて消去します。よろしいですか？")
                        .arg(history_.Entries().size()),
                    this)) {
        history_.Clear();
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

void TAnswerBoard::Unlist(int index) {
    // The list still holds every entry, newest first, the removed one with them.
    const QSignalBlocker quiet(list_);
    delete list_->takeItem(list_->count() - 1 - index);
    if (shown_ > index) {
        --shown_;
    } else if (shown_ == index) {
        shown_ = -1; // until Follow shows the entry that took its place
    }
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
    ShowPanes();
    for (QAction* action : graphActions_) {
        action->setEnabled(graph.has_value());
    }
    // The row clicked is current already: setting it again would undo a
    // choice of several rows made with Ctrl or Shift.
    const QSignalBlocker quiet(list_);
    const int row = static_cast<int>(entries.size()) - 1 - index;
    if (list_->currentRow() != row) {
        list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    // Every entry is shown from its top, the problem first.
    scroll_->verticalScrollBar()->setValue(0);
    scroll_->horizontalScrollBar()->setValue(0);
    if (presenting_) {
        revealed_ = 0;
        ShowRevealed();
    }
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
    if (!graph_->HasGraph()) {
        return;
    }
    if (!graph_->EnsureBuilt()) {
        ErrorBox(graph_->Failure(), const_cast<TAnswerBoard*>(this));
        return;
    }
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
    const QImage image = graph_->Image();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return !image.isNull() && buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") &&
           WriteFile(path, bytes);
}

bool TAnswerBoard::WriteGraphSvg(const QString& path) const {
    return WriteFile(path, graph_->Svg());
}

void TAnswerBoard::ExportLatex() {
    std::vector<arith::TTitledAnswer> answers;
    for (const TBoardEntry* entry : Chosen()) {
        answers.push_back({entry->Window, WholeAnswer(*entry), entry->Graph().has_value()});
    }
    if (answers.empty()) {
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("LaTeX でエクスポート"),
        QStringLiteral("解答-%1.tex")
            .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))),
        QStringLiteral("LaTeX 文書 (*.tex)"));
    if (!path.isEmpty() &&
        !WriteFile(path, QByteArray::fromStdString(arith::HandoutLatex(answers)))) {
        ErrorBox(QStringLiteral("%1 に保存できませんでした").arg(path), this);
    }
}

std::vector<const TBoardEntry*> TAnswerBoard::Chosen() const {
    const auto& entries = history_.Entries();
    std::vector<int> rows;
    for (const QListWidgetItem* item : list_->selectedItems()) {
        rows.push_back(list_->row(item));
    }
    std::vector<const TBoardEntry*> chosen;
    if (rows.size() > 1) {
        // The list is newest first: its last rows are the oldest entries.
        std::sort(rows.rbegin(), rows.rend());
        for (const int row : rows) {
            chosen.push_back(&entries[entries.size() - 1 - static_cast<std::size_t>(row)]);
        }
    } else if (const TBoardEntry* shown = Shown()) {
        chosen.push_back(shown);
    }
    return chosen;
}

std::span<const TAnswerBoard::THandoutCommand> TAnswerBoard::HandoutCommands() {
    static const THandoutCommand commands[] = {
        {"PrintMenu", "印刷(&P)...", QKeySequence::Print, &TAnswerBoard::PrintHandout},
        {"SavePdfMenu", "PDF に保存(&D)...", QKeySequence(), &TAnswerBoard::SaveHandoutPdf},
        {"ExportLatexMenu", "エクスポート (LaTeX)(&E)...", QKeySequence(),
         &TAnswerBoard::ExportLatex},
    };
    return commands;
}

void TAnswerBoard::PrintHandout() {
    if (Chosen().empty()) {
        return;
    }
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        WarningBox(QStringLiteral("プリンターが設定されていません。PDF に保存… を使ってください。"),
                   this);
        return;
    }
    // Copies of the entries: the preview paints them again whenever its
    // settings change.
    std::vector<TBoardEntry> copies;
    for (const TBoardEntry* entry : Chosen()) {
        copies.push_back(*entry);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true); // the handout keeps margins of its own
    printer.setDocName(QStringLiteral("Vorantel 解答"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("印刷プレビュー"));
    const THandoutLayout layout = ChosenHandoutLayout();
    const QDate today = QDate::currentDate();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&copies, layout, today](QPrinter* device) {
                std::vector<const TBoardEntry*> entries;
                for (const TBoardEntry& entry : copies) {
                    entries.push_back(&entry);
                }
                PaintHandout(*device, entries, layout, today);
            });
    preview.exec();
}

void TAnswerBoard::SaveHandoutPdf() {
    const std::vector<const TBoardEntry*> chosen = Chosen();
    if (chosen.empty()) {
        return;
    }
    const QDate today = QDate::currentDate();
    const QString name =
        QStringLiteral("解答-%1.pdf").arg(today.toString(QStringLiteral("yyyy-MM-dd")));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDF に保存"), name,
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && WriteHandoutPdf(path, chosen, ChosenHandoutLayout(), today) == 0) {
        ErrorBox(QStringLiteral("%1 に保存できませんでした").arg(path), this);
    }
}

void TAnswerBoard::SaveGraphPng() {
    if (!graph_->HasGraph()) {
        return;
    }
    if (!graph_->EnsureBuilt()) {
        return ErrorBox(graph_->Failure(), this);
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
    if (!graph_->EnsureBuilt()) {
        return ErrorBox(graph_->Failure(), this);
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
    // On an entry of the history, the menu is that entry's.
    const QPoint inList = list_->viewport()->mapFromGlobal(event->globalPos());
    if (const QListWidgetItem* item = list_->itemAt(inList);
        item != nullptr && list_->isVisible() && list_->viewport()->rect().contains(inList)) {
        ShowEntry(static_cast<int>(history_.Entries().size()) - 1 - list_->row(item));
    }
    // Opened without a loop of its own, as the fields' menus are, so that
    // nothing waits on it; the presentation keys are not offered there.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : actions()) {
        if (std::find(presentActions_.begin(), presentActions_.end(), action) ==
            presentActions_.end()) {
            menu->addAction(action);
        }
    }
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
        if ((saved.isEmpty() || !restoreGeometry(saved)) && !PlaceBeside()) {
            // No room beside the others: the board opens behind them, the
            // window in use staying in front.
            QPointer<QWidget> inUse = QApplication::activeWindow();
            QTimer::singleShot(0, this, [this, inUse] {
                GiveWay();
                if (inUse != nullptr && inUse->isVisible()) {
                    inUse->activateWindow();
                }
            });
        }
        // The board stacks on its own, not kept above the launcher as a
        // dialog is: where it has no room it can go behind it.
        create();
        windowHandle()->setTransientParent(nullptr);
    }
    QWidget::setVisible(visible);
}

void TAnswerBoard::hideEvent(QHideEvent* event) {
    SetPresenting(false); // a board closed while presenting opens as it was before
    QWidget::hideEvent(event);
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kPanesKey), panes_->saveState());
}

bool TAnswerBoard::PlaceBeside() {
    const QScreen* screen = ScreenOf(main_);
    const QRect area = screen->availableGeometry();
    const QRect launcher = main_->frameGeometry();
    // The board's frame is the launcher's, with a grip at its bottom that a
    // window manager may add to a window that can be resized.
    const QMargins own = FrameMargins(this);
    const QMargins frame = FrameMargins(main_);
    const QMargins boardFrame = own.isNull() ? frame + QMargins(0, 0, 0, kWindowGap) : own;
    QList<QRect> windows{launcher};
    for (const ToolForm* tool : main_->findChildren<ToolForm*>(Qt::FindDirectChildrenOnly)) {
        if (tool->isVisible()) {
            // One just shown may not have its frame yet: it gets the launcher's.
            windows << OuterRect(tool, tool->frameGeometry().topLeft(), frame);
        }
    }
    // The column below the launcher where the tool windows not opened yet
    // will go, kept free while that leaves the board its full least size.
    const QRect column(launcher.left() - Zoomed(kToolColumnLeft), launcher.bottom() + 1,
                       Zoomed(kToolColumnWidth), Zoomed(kToolColumnHeight));
    const QSize wanted =
        QSize(Zoomed(kFirstSize.width()), Zoomed(kFirstSize.height())).grownBy(boardFrame);
    const QSize least =
        QSize(Zoomed(kBoardLeastWidth), Zoomed(kBoardLeastHeight)).grownBy(boardFrame);
    const QSize leastAnyZoom = QSize(kBoardLeastWidth, kBoardLeastHeight).grownBy(boardFrame);
    const int gap = Zoomed(kWindowGap);
    QRect room = FreeRoom(area, windows + QList<QRect>{column}, least, wanted, gap);
    if (room.isNull()) {
        room = FreeRoom(area, windows, least, wanted, gap);
    }
    if (room.isNull()) {
        room = FreeRoom(area, windows, leastAnyZoom, wanted, gap);
    }
    const bool fits = !room.isNull();
    if (!fits) {
        // No room: full size at the screen's right edge, no wider than the
        // screen (at 300 % the full size is wider than a laptop's screen).
        const int width = std::min(wanted.width(), area.width());
        room = QRect(area.right() + 1 - width, launcher.top(), width,
                     area.bottom() + 1 - launcher.top());
    }
    const QSize outer = wanted.boundedTo(room.size());
    // Next to the windows it keeps clear of, and level with the launcher where it can be.
    const int left = room.right() == area.right() ? room.left() : room.right() + 1 - outer.width();
    const int top = std::clamp(launcher.top(), room.top(), room.bottom() + 1 - outer.height());
    resize(outer.shrunkBy(boardFrame));
    MoveOnScreen(this, QPoint(left, top), screen, boardFrame);
    return fits;
}

QList<QWidget*> TAnswerBoard::Others() const {
    QList<QWidget*> others{main_};
    for (ToolForm* tool : main_->findChildren<ToolForm*>(Qt::FindDirectChildrenOnly)) {
        if (tool->isVisible()) {
            others << tool;
        }
    }
    return others;
}

bool TAnswerBoard::CoversOthers() const {
    const QList<QWidget*> others = Others();
    const QRect board = frameGeometry();
    const QMargins frame = FrameMargins(main_);
    return std::any_of(others.begin(), others.end(), [&board, frame](const QWidget* w) {
        return OuterRect(w, w->frameGeometry().topLeft(), frame).intersects(board);
    });
}

void TAnswerBoard::BringForward() {
    if (presenting_ || !CoversOthers()) {
        raise();
    } else {
        GiveWay();
    }
}

void TAnswerBoard::GiveWay() {
    if (!isVisible() || presenting_ || !CoversOthers()) {
        return;
    }
    if (PlaceBeside()) {
        return;
    }
    // No room beside them: the board stays behind, the window in use on top.
    const QList<QWidget*> others = Others();
    lower();
    for (QWidget* w : others) {
        w->raise();
    }
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active != this) {
        active->raise();
    }
}

void TAnswerBoard::BuildPanes(QWidget* listLabel) {
    // While presenting, the graph stands in a column of its own beside the sheet.
    graphColumn_ = new QWidget;
    auto* columnLayout = new QVBoxLayout(graphColumn_);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    graphColumn_->hide();
    auto* content = new QWidget;
    auto* contentLayout = new QHBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    // The sheet the wider: a table of signs needs the room more than the graph.
    contentLayout->addWidget(scroll_, 3);
    contentLayout->addWidget(graphColumn_, 2);

    historyPane_ = new QWidget;
    auto* historyLayout = new QVBoxLayout(historyPane_);
    historyLayout->setContentsMargins(0, 0, 0, 0);
    historyLayout->addWidget(listLabel);
    historyLayout->addWidget(list_);

    panes_ = new QSplitter(Qt::Vertical);
    panes_->setObjectName(QStringLiteral("BoardPanes"));
    panes_->setChildrenCollapsible(false);
    panes_->addWidget(content);
    panes_->addWidget(historyPane_);
    const QSettings settings;
    if (!panes_->restoreState(settings.value(QLatin1String(kPanesKey)).toByteArray())) {
        panes_->setSizes({3 * kFirstSize.height() / 4, kFirstSize.height() / 4});
    }

    const struct {
        const char* Name;
        const char* Caption;
        const char* Key;
        QAction** Action;
    } checks[] = {
        {"ShowHistoryMenu", "履歴を表示(&H)", kHistoryShownKey, &historyAction_},
        {"ShowGraphMenu", "グラフを表示(&R)", kGraphShownKey, &graphAction_},
    };
    for (const auto& check : checks) {
        auto* action = new QAction(QString::fromUtf8(check.Caption), this);
        action->setObjectName(QString::fromLatin1(check.Name));
        action->setCheckable(true);
        action->setChecked(settings.value(QLatin1String(check.Key), true).toBool());
        connect(action, &QAction::toggled, this, [this, key = check.Key](bool shown) {
            QSettings().setValue(QLatin1String(key), shown);
            ShowPanes();
        });
        addAction(action);
        *check.Action = action;
    }

    const struct {
        const char* Name;
        QList<QKeySequence> Keys;
        int Step; // 0: leave the mode
    } keys[] = {
        {"RevealNextAction", {QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_Space)}, 1},
        {"RevealBackAction", {QKeySequence(Qt::Key_Left)}, -1},
        {"LeavePresentingAction", {QKeySequence(Qt::Key_Escape)}, 0},
    };
    for (const auto& key : keys) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(key.Name));
        action->setShortcuts(key.Keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        const int step = key.Step;
        connect(action, &QAction::triggered, this, [this, step] {
            if (step == 0) {
                SetPresenting(false);
            } else {
                RevealWorking(step);
            }
        });
        addAction(action);
        presentActions_.push_back(action);
    }
}

void TAnswerBoard::ShowPanes() {
    historyPane_->setVisible(historyAction_->isChecked() && !presenting_);
    graphBox_->setVisible(graph_->HasGraph() && (graphAction_->isChecked() || presenting_));
    graphGrip_->setVisible(!presenting_);
}

void TAnswerBoard::SetPresenting(bool presenting) {
    if (presenting == presenting_) {
        return;
    }
    presenting_ = presenting;
    auto* sheetLayout = static_cast<QVBoxLayout*>(scroll_->widget()->layout());
    const std::array<QWidget*, 7> texts{windowLabel_,  problem_, answer_,  working_,
                                        workingLabel_, graph_,   decimals_};
    if (presenting) {
        normalGeometry_ = saveGeometry();
        normalFonts_.clear();
        for (QWidget* text : texts) {
            normalFonts_.push_back(text->font());
        }
        // The screen without the launcher, when there are two.
        QScreen* screen = main_->screen();
        for (QScreen* other : QGuiApplication::screens()) {
            if (other != screen) {
                screen = other;
                break;
            }
        }
        const QRect whole = screen->geometry();
        const double scale = whole.height() / 1080.0;
        const int pixels[] = {kPresentLabelPixels,   kPresentProblemPixels, kPresentAnswerPixels,
                              kPresentWorkingPixels, kPresentLabelPixels,   kPresentLabelPixels,
                              kPresentDecimalPixels};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            QFont font = texts[i]->font();
            font.setPixelSize(static_cast<int>(std::lround(pixels[i] * scale)));
            texts[i]->setFont(font);
        }
        for (TMathView* view : {problem_, answer_, decimals_, working_}) {
            view->SetLeastPixelSize(static_cast<int>(std::lround(kPresentLeastPixels * scale)));
        }
        sheetLayout->removeWidget(graphBox_);
        graphColumn_->layout()->addWidget(graphBox_);
        graphBox_->setMaximumWidth(QWIDGETSIZE_MAX);
        graph_->SetChartHeight(static_cast<int>(whole.height() * kPresentGraphShare));
        graphColumn_->setVisible(graph_->HasGraph());
        setGeometry(whole);
        showFullScreen();
        revealed_ = 0;
        ShowRevealed();
    } else {
        for (std::size_t i = 0; i < texts.size() && i < normalFonts_.size(); ++i) {
            texts[i]->setFont(normalFonts_[i]);
        }
        for (TMathView* view : {problem_, answer_, decimals_, working_}) {
            view->SetLeastPixelSize(0);
        }
        graphColumn_->layout()->removeWidget(graphBox_);
        sheetLayout->insertWidget(2, graphBox_); // under the answer, as before
        graph_->SetChartHeight(0);
        graphColumn_->hide();
        graphBox_->setMaximumWidth(scroll_->viewport()->width());
        workingLabel_->setText(QStringLiteral("途中式"));
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        restoreGeometry(normalGeometry_);
        ShowEntry(shown_);
    }
    ShowPanes();
    for (QAction* action : presentActions_) {
        action->setEnabled(presenting);
    }
    emit PresentingChanged(presenting);
}

int TAnswerBoard::WorkingLines() const {
    const TBoardEntry* entry = Shown();
    if (entry == nullptr || !entry->Math().Working) {
        return 0;
    }
    const arith::TMath& working = *entry->Math().Working;
    return working.Kind == arith::TMathKind::Lines ? static_cast<int>(working.Parts.size()) : 1;
}

void TAnswerBoard::RevealWorking(int step) {
    revealed_ += step;
    ShowRevealed();
}

void TAnswerBoard::ShowRevealed() {
    const int lines = WorkingLines();
    revealed_ = std::clamp(revealed_, 0, lines);
    if (!presenting_ || lines == 0) {
        return;
    }
    const arith::TMath& working = *Shown()->Math().Working;
    if (working.Kind == arith::TMathKind::Lines) {
        working_->SetMath(arith::MathLines(
            std::vector<arith::TMath>(working.Parts.begin(), working.Parts.begin() + revealed_)));
    } else {
        working_->SetMath(revealed_ > 0 ? working : arith::MathRow({}));
    }
    workingLabel_->setText(QStringLiteral("途中式 %1 / %2 行（→ 次の行　← 戻る　Esc 終わる）")
                               .arg(revealed_)
                               .arg(lines));
    // The line just revealed comes into sight; before the first, the problem.
    QTimer::singleShot(0, this, [this] {
        if (revealed_ == 0) {
            scroll_->verticalScrollBar()->setValue(0);
            scroll_->horizontalScrollBar()->setValue(0);
            return;
        }
        scroll_->ensureWidgetVisible(working_, 0, 0);
        const QRect shown = working_->geometry();
        scroll_->ensureVisible(shown.left(), shown.bottom(), 0, 0);
    });
}
