// SPDX-License-Identifier: GPL-3.0-or-later
// Where a handout's pieces land: a block kept on one page where it fits, a
// taller one broken between its pieces, headings kept with what follows.
#include "Handout.h"
#include "NijiProblem.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct TPaginateCase {
    const char* Name;
    std::vector<TFlowPiece> Pieces; // Height, Gap, Block, KeepWithNext, NewPage
    std::vector<TFlowPlace> Expected;
};

void PrintTo(const TPaginateCase& c, std::ostream* out) {
    *out << c.Name;
}

class PaginateTest : public testing::TestWithParam<TPaginateCase> {};

// Pages 100 high throughout.
const TPaginateCase kCases[] = {
    {"blocks that fit share a page",
     {{30, 0, 1}, {30, 5, 2}, {30, 5, 3}},
     {{0, 0}, {0, 35}, {0, 70}}},
    {"a block too tall for the rest moves whole",
     {{60, 0, 1}, {20, 5, 2}, {20, 0, 2}},
     {{0, 0}, {1, 0}, {1, 20}}},
    {"a block that just fits stays",
     {{60, 0, 1}, {20, 5, 2}, {15, 0, 2}},
     {{0, 0}, {0, 65}, {0, 85}}},
    {"the gap is dropped at a page's top", {{70, 0, 1}, {40, 10, 2}}, {{0, 0}, {1, 0}}},
    {"a block taller than a page starts one and breaks between pieces",
     {{30, 0, 1}, {40, 0, 2}, {40, 0, 2}, {40, 0, 2}},
     {{0, 0}, {1, 0}, {1, 40}, {2, 0}}},
    {"a heading goes with the piece after it",
     {{40, 0, 1}, {40, 0, 1}, {15, 0, 1, true}, {30, 0, 1}},
     {{0, 0}, {0, 40}, {1, 0}, {1, 15}}},
    {"a piece taller than a page stands alone", {{150, 0, 1}, {10, 0, 2}}, {{0, 0}, {1, 0}}},
    {"a new page where asked, not before the first piece",
     {{10, 0, 1, false, true}, {10, 0, 2, false, true}},
     {{0, 0}, {1, 0}}},
};

TEST_P(PaginateTest, PlacesEachPiece) {
    const TPaginateCase& c = GetParam();
    const std::vector<TFlowPlace> places = Paginate(c.Pieces, 100);
    ASSERT_EQ(places.size(), c.Expected.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(places[i].Page, c.Expected[i].Page) << "piece " << i;
        EXPECT_DOUBLE_EQ(places[i].Top, c.Expected[i].Top) << "piece " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Handout, PaginateTest, testing::ValuesIn(kCases));

// A printer paints at its own resolution (600, 1200 dpi): the handout is
// set in the same places, on as many pages, as in a PDF file.
TEST(HandoutTest, PagesDoNotDependOnTheResolution) {
    problems::TWindowInput input;
    input.Command = "CalcButton";
    input.Fields = {{"Edit2", "1"}, {"Edit1", "4"}, {"Edit0", "1"}};
    const problems::TWindowResult result = problems::SolveNiji(input);
    ASSERT_TRUE(result.Board.has_value());
    const std::vector<const TBoardEntry*> entries(5, &*result.Board);
    for (const THandoutLayout layout : {THandoutLayout::Together, THandoutLayout::ProblemsFirst}) {
        std::vector<int> pages;
        for (const int dpi : {96, 600, 1200}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(dpi);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(0, 0, 0, 0)));
            pages.push_back(PaintHandout(writer, entries, layout, QDate(2026, 4, 1)));
        }
        EXPECT_GT(pages[0], 1);
        EXPECT_EQ(pages[1], pages[0]);
        EXPECT_EQ(pages[2], pages[0]);
    }
}

} // namespace
