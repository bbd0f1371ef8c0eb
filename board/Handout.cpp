// SPDX-License-Identifier: GPL-3.0-or-later
#include "Handout.h"

#include "Fonts.h"
#include "GraphPane.h"
#include "MathView.h"

#include <QActionGroup>
#include <QFontMetricsF>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// The page is set in pixels of 1/96 inch, the unit the board's formulas
// are measured in; a printer's finer resolution scales them.
constexpr double kPageDpi = 96;
// Margins of an A4 page (794 x 1123 pixels): about 17 mm at the sides and
// the top, a little more at the bottom for the footer.
constexpr double kSideMargin = 64;
constexpr double kTopMargin = 60;
constexpr double kBottomMargin = 76;
constexpr double kFooterDrop = 26; // the footer's baseline below the text area
// Text sizes: the board's proportions at about half its size.
constexpr int kHeadingPixels = 20;
constexpr int kCaptionPixels = 15;
constexpr int kLabelPixels = 12;
constexpr int kProblemPixels = 18;
constexpr int kAnswerPixels = 22;
constexpr int kDecimalPixels = 15;
constexpr int kWorkingPixels = 15;
constexpr int kFooterPixels = 10;
// A working line too wide for the page (a table of signs) is set smaller, down to this.
constexpr int kLeastPixels = 9;
// Space before each block, and the graph's size at most.
constexpr double kBlockGap = 22;
constexpr double kGraphWidth = 430;
constexpr double kGraphHeight = 270;
constexpr double kIndent = 16; // the formulas stand in a little from the caption

constexpr const char* kLayoutKey = "board/handoutLayout";

using TPaint = std::function<void(QPainter&, const QPointF&)>;

struct TPagePiece {
    TFlowPiece Flow;
    TPaint Paint;
};

// Builds the pieces of the flow, block by block.
class TFlow {
public:
    explicit TFlow(double width) : width_(width) {}

    // A section's heading shares the block of the entry under it, so that
    // it never ends a page alone.
    void StartBlock() {
        if (!joinNext_) {
            ++block_;
        }
        joinNext_ = false;
    }
    void SectionHeading(const QString& text, bool newPage) {
        StartBlock();
        Heading(text, kHeadingPixels, 0, true, newPage);
        joinNext_ = true;
    }

    void Heading(const QString& text, int pixels, double gap, bool keepWithNext,
                 bool newPage = false, bool rule = false) {
        const QFont font = GothicFont(pixels, true);
        const double height = QFontMetricsF(font).height() + (rule ? 6 : 0);
        const double width = width_;
        Add(height, gap, keepWithNext,
            [font, text, rule, width, height](QPainter& painter, const QPointF& at) {
                if (rule) {
                    painter.setPen(QPen(QColor(150, 150, 150), 0.8));
                    painter.drawLine(at, at + QPointF(width, 0));
                }
                painter.setPen(Qt::black);
                painter.setFont(font);
                painter.drawText(QRectF(at, QSizeF(width, height)), Qt::AlignLeft | Qt::AlignBottom,
                                 text);
            });
        pieces_.back().Flow.NewPage = newPage;
    }

    void Label(const QString& text, double gap) {
        const QFont font = GothicFont(kLabelPixels);
        const double height = QFontMetricsF(font).height();
        Add(height, gap, true, [font, text](QPainter& painter, const QPointF& at) {
            painter.setPen(QColor(90, 90, 90));
            painter.setFont(font);
            painter.drawText(at + QPointF(0, QFontMetricsF(font).ascent()), text);
        });
    }

    // A formula, set by the board's typesetter at the page's width; a
    // working's lines each a piece of their own, so that a page may end
    // between them but never inside one.
    void Formula(const arith::TMath& math, int pixels, double gap) {
        const QFont font = MinchoFont(pixels);
        const int width = static_cast<int>(width_ - kIndent);
        const std::vector<arith::TMath> lines =
            math.Kind == arith::TMathKind::Lines ? math.Parts : std::vector<arith::TMath>{math};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto layout = std::make_shared<const TMathLayout>(
                LayoutMath(lines[i], font, width, kLeastPixels));
            Add(layout->Bounds.height(), i == 0 ? gap : 0, false,
                [layout](QPainter& painter, const QPointF& at) {
                    PaintMath(painter, *layout, at + QPointF(kIndent, 0), Qt::black);
                });
        }
    }

    // The graph, drawn by the graph library; where it cannot be loaded, a
    // note in its place saying so, and the rest of the handout as ever.
    void Graph(const arith::TGraph& graph, double gap) {
        const double width = std::min(kGraphWidth, width_ - kIndent);
        QString why;
        if (LoadGraphPart(&why) == nullptr) {
            const QFont font = GothicFont(kLabelPixels);
            constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
            const QRectF box = QFontMetricsF(font).boundingRect(
                QRectF(0, 0, width_ - kIndent, kGraphHeight), flags, why);
            Add(box.height(), gap, false, [font, box, why](QPainter& painter, const QPointF& at) {
                painter.setPen(QColor(90, 90, 90));
                painter.setFont(font);
                painter.drawText(box.translated(at + QPointF(kIndent, 0)), flags, why);
            });
            return;
        }
        const QSizeF size(width, kGraphHeight);
        Add(size.height(), gap, false, [graph, size](QPainter& painter, const QPointF& at) {
            DrawGraph(painter, QRectF(at + QPointF(kIndent, 0), size), graph,
                      GothicFont(kLabelPixels));
        });
    }

    // The whole of an entry: its window's name, the problem, the answer and
    // its decimals, the graph and the working.
    void Entry(const TBoardEntry& entry, int number) {
        StartBlock();
        Heading(QStringLiteral("(%1) %2").arg(number).arg(QString::fromStdString(entry.Window)),
                kCaptionPixels, kBlockGap, true, false, true);
        const TBoardMath& math = entry.Math();
        Formula(math.Problem, kProblemPixels, 4);
        Label(QStringLiteral("答え"), 6);
        Formula(entry.ShownAnswer(), kAnswerPixels, 0);
        if (math.Decimals) {
            Formula(*math.Decimals, kDecimalPixels, 0);
        }
        if (const std::optional<arith::TGraph>& graph = entry.Graph()) {
            Graph(*graph, 8);
        }
        if (const std::optional<arith::TMath> working = entry.CopiedWorking()) {
            Label(QStringLiteral("途中式"), 8);
            Formula(*working, kWorkingPixels, 0);
        }
    }

    void Problem(const TBoardEntry& entry, int number) {
        StartBlock();
        Heading(QStringLiteral("(%1) %2").arg(number).arg(QString::fromStdString(entry.Window)),
                kCaptionPixels, kBlockGap, true, false, true);
        Formula(entry.Math().Problem, kProblemPixels, 4);
    }

    std::vector<TPagePiece>& Pieces() { return pieces_; }

private:
    void Add(double height, double gap, bool keepWithNext, TPaint paint) {
        TFlowPiece flow;
        flow.Height = height;
        flow.Gap = gap;
        flow.Block = block_;
        flow.KeepWithNext = keepWithNext;
        pieces_.push_back({flow, std::move(paint)});
    }

    double width_;
    int block_ = 0;
    bool joinNext_ = false;
    std::vector<TPagePiece> pieces_;
};

std::vector<TPagePiece> PiecesOf(const std::vector<const TBoardEntry*>& entries,
                                 THandoutLayout layout, double width) {
    TFlow flow(width);
    if (layout == THandoutLayout::Together) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            flow.Entry(*entries[i], static_cast<int>(i + 1));
        }
        return std::move(flow.Pieces());
    }
    flow.SectionHeading(QStringLiteral("問題"), false);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        flow.Problem(*entries[i], static_cast<int>(i + 1));
    }
    flow.SectionHeading(QStringLiteral("解答"), true);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        flow.Entry(*entries[i], static_cast<int>(i + 1));
    }
    return std::move(flow.Pieces());
}

void PaintFooter(QPainter& painter, const QRectF& area, int page, int pages, const QDate& date) {
    const QFont font = GothicFont(kFooterPixels);
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    const QRectF line(area.left(), area.bottom() + kFooterDrop - QFontMetricsF(font).ascent(),
                      area.width(), QFontMetricsF(font).height());
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("%1 / %2").arg(page).arg(pages));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop,
                     date.toString(QStringLiteral("yyyy年M月d日")));
}

} // namespace

THandoutLayout ChosenHandoutLayout() {
    return QSettings().value(QLatin1String(kLayoutKey)).toString() == QLatin1String("key")
               ? THandoutLayout::ProblemsFirst
               : THandoutLayout::Together;
}

QMenu* HandoutLayoutMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("配布資料の形式(&F)"), parent);
    menu->setObjectName(QStringLiteral("HandoutLayoutMenu"));
    auto* group = new QActionGroup(menu);
    const struct {
        const char* Name;
        const char* Caption;
        THandoutLayout Layout;
        const char* Value;
    } choices[] = {
        {"HandoutTogetherMenu", "問題と解答ごと(&T)", THandoutLayout::Together, "together"},
        {"HandoutKeyMenu", "問題と解答を分ける(&K)", THandoutLayout::ProblemsFirst, "key"},
    };
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(QString::fromUtf8(choice.Caption));
        action->setObjectName(QString::fromLatin1(choice.Name));
        action->setCheckable(true);
        action->setActionGroup(group);
        const THandoutLayout layout = choice.Layout;
        const QString value = QString::fromLatin1(choice.Value);
        action->setChecked(ChosenHandoutLayout() == layout);
        QObject::connect(action, &QAction::triggered, menu,
                         [value] { QSettings().setValue(QLatin1String(kLayoutKey), value); });
        // Another menu (the launcher's or the board's) may have changed the choice.
        QObject::connect(menu, &QMenu::aboutToShow, action,
                         [action, layout] { action->setChecked(ChosenHandoutLayout() == layout); });
    }
    return menu;
}

std::vector<TFlowPlace> Paginate(const std::vector<TFlowPiece>& pieces, double pageHeight) {
    std::vector<TFlowPlace> places(pieces.size());
    int page = 0;
    double y = 0;
    bool empty = true;
    const auto newPage = [&page, &y, &empty] {
        if (!empty) {
            ++page;
            y = 0;
            empty = true;
        }
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const TFlowPiece& piece = pieces[i];
        if (piece.NewPage) {
            newPage();
        }
        // What has to fit below this piece's gap: at a block's start the
        // whole block; inside a block (one taller than a page) the piece and
        // the pieces it keeps with.
        const bool starts = i == 0 || pieces[i - 1].Block != piece.Block;
        double needed = piece.Height;
        for (std::size_t j = i + 1; j < pieces.size() && pieces[j].Block == piece.Block &&
                                    (starts || pieces[j - 1].KeepWithNext);
             ++j) {
            needed += pieces[j].Gap + pieces[j].Height;
        }
        if (!empty && y + piece.Gap + needed > pageHeight) {
            newPage();
        }
        if (!empty) {
            y += piece.Gap;
        }
        places[i] = {page, y};
        y += piece.Height;
        empty = false;
    }
    return places;
}

int PaintHandout(QPagedPaintDevice& device, const std::vector<const TBoardEntry*>& entries,
                 THandoutLayout layout, const QDate& date) {
    if (entries.empty()) {
        return 0;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    const double scale = device.logicalDpiX() / kPageDpi;
    const QSizeF page(device.width() / scale, device.height() / scale);
    const QRectF area(kSideMargin, kTopMargin, page.width() - 2 * kSideMargin,
                      page.height() - kTopMargin - kBottomMargin);

    const std::vector<TPagePiece> pieces = PiecesOf(entries, layout, area.width());
    std::vector<TFlowPiece> flow;
    flow.reserve(pieces.size());
    for (const TPagePiece& piece : pieces) {
        flow.push_back(piece.Flow);
    }
    const std::vector<TFlowPlace> places = Paginate(flow, area.height());
    const int pages = places.empty() ? 1 : places.back().Page + 1;

    int current = 0;
    const auto startPage = [&painter, scale] {
        painter.resetTransform();
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
    };
    startPage();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        while (current < places[i].Page) {
            PaintFooter(painter, area, current + 1, pages, date);
            if (!device.newPage()) {
                painter.end();
                return 0;
            }
            ++current;
            startPage();
        }
        pieces[i].Paint(painter, area.topLeft() + QPointF(0, places[i].Top));
    }
    PaintFooter(painter, area, current + 1, pages, date);
    return painter.end() ? pages : 0;
}

int WriteHandoutPdf(const QString& path, const std::vector<const TBoardEntry*>& entries,
                    THandoutLayout layout, const QDate& date) {
    QSaveFile file(path);
    if (entries.empty() || !file.open(QIODevice::WriteOnly)) {
        return 0;
    }
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(static_cast<int>(kPageDpi));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QStringLiteral("Vorantel 解答"));
        writer.setCreator(QStringLiteral("Vorantel"));
        pages = PaintHandout(writer, entries, layout, date);
    }
    return pages > 0 && file.commit() ? pages : 0;
}
