// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the history file: what is kept of good, cut-short, damaged and
// foreign files, and what an entry read back costs before it is shown.
#include "HistoryFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

THistoryRecord Record(int n) {
    THistoryRecord record;
    record.WindowClass = "TNijiForm";
    record.Caption = "２次方程式";
    record.Input.Fields = {{"Edit2", "1"}, {"Edit0", std::to_string(-n)}};
    record.Time = "2026-12-10T09:00:00Z";
    record.Problem = "x² − " + std::to_string(n) + " = 0";
    record.Answer = "x = ±√" + std::to_string(n);
    record.Answered = true;
    return record;
}

QByteArray Records(int from, int to) {
    QByteArray bytes;
    for (int n = from; n <= to; ++n) {
        bytes += HistoryLine(Record(n));
    }
    return bytes;
}

QByteArray Damaged(int n) {
    QByteArray line = HistoryLine(Record(n));
    line[line.indexOf("x²")] = 'y'; // the check no longer holds
    return line;
}

struct TReadCase {
    const char* Name;
    QByteArray Bytes;
    THistoryRead::State Result;
    std::vector<int> Kept; // the n of each record read, oldest first
    std::size_t Keep = 1000;
};

class HistoryReadTest : public testing::TestWithParam<TReadCase> {};

TEST_P(HistoryReadTest, KeepsWhatCanBeRead) {
    const TReadCase& c = GetParam();
    const THistoryRead read = ReadHistory(c.Bytes, c.Keep);
    EXPECT_EQ(read.Result, c.Result);
    ASSERT_EQ(read.Records.size(), c.Kept.size());
    for (std::size_t i = 0; i < c.Kept.size(); ++i) {
        EXPECT_EQ(read.Records[i].Problem, Record(c.Kept[i]).Problem) << i;
    }
}

std::vector<int> Range(int from, int to) {
    std::vector<int> range;
    for (int n = from; n <= to; ++n) {
        range.push_back(n);
    }
    return range;
}

using State = THistoryRead::State;
const QByteArray kHeader = HistoryHeader();

INSTANTIATE_TEST_SUITE_P(
    Files, HistoryReadTest,
    testing::Values(
        TReadCase{"Good", kHeader + Records(1, 3), State::Good, {1, 2, 3}},
        TReadCase{"HeaderOnly", kHeader, State::Good, {}}, TReadCase{"Empty", "", State::Good, {}},
        TReadCase{"TornLastLine",
                  kHeader + Records(1, 2) + Records(3, 3).left(40),
                  State::TornTail,
                  {1, 2}},
        TReadCase{
            "LastLineFailsCheck", kHeader + Records(1, 2) + Damaged(3), State::TornTail, {1, 2}},
        TReadCase{"LastLineWholeWithoutNewline",
                  kHeader + Records(1, 3).chopped(1),
                  State::TornTail,
                  {1, 2, 3}},
        TReadCase{"BadCheckInTheMiddle",
                  kHeader + Records(1, 1) + Damaged(2) + Records(3, 4),
                  State::Damaged,
                  {1, 3, 4}},
        TReadCase{"GarbageLineInTheMiddle",
                  kHeader + Records(1, 1) + "{}\n" + Records(3, 3),
                  State::Damaged,
                  {1, 3}},
        TReadCase{"NewerVersion",
                  R"({"format":"vorantel-history","version":2})"
                  "\n" +
                      Records(1, 2),
                  State::Newer,
                  {}},
        TReadCase{"NotJson", "Vorantel history\nx^2-4\n", State::Unreadable, {}},
        TReadCase{"OtherFormat",
                  R"({"format":"notes","version":1})"
                  "\n",
                  State::Unreadable,
                  {}},
        TReadCase{"MissingHeader", Records(1, 3), State::Unreadable, {}},
        TReadCase{"TornHeader", kHeader.left(20), State::Unreadable, {}},
        TReadCase{"CapKeepsTheNewest", kHeader + Records(1, 1005), State::Good, Range(6, 1005)},
        TReadCase{
            "CapAfterDamage", kHeader + Damaged(1) + Records(2, 5), State::Damaged, {4, 5}, 2}),
    [](const testing::TestParamInfo<TReadCase>& info) { return std::string(info.param.Name); });

TEST(HistoryFile, RecordReadsBackAsWritten) {
    THistoryRecord record = Record(3);
    record.Input.Command = "MulSButton";
    record.Input.Checked = {"MinusItem", "AllRadio"};
    record.Input.RowUnfinished = true;
    record.Input.Fields["Edit1"] = "\"1/2\"\\ \t";
    record.Text = "x = 1\ny = 2";
    record.Message = "";
    record.Graph = true;
    const THistoryRead read = ReadHistory(kHeader + HistoryLine(record), 1000);
    ASSERT_EQ(read.Records.size(), 1U);
    const THistoryRecord& back = read.Records[0];
    EXPECT_EQ(back.WindowClass, record.WindowClass);
    EXPECT_EQ(back.Caption, record.Caption);
    EXPECT_EQ(back.Input.Command, record.Input.Command);
    EXPECT_EQ(back.Input.Fields, record.Input.Fields);
    EXPECT_EQ(back.Input.Checked, record.Input.Checked);
    EXPECT_TRUE(back.Input.RowUnfinished);
    EXPECT_EQ(back.Time, record.Time);
    EXPECT_EQ(back.Text, record.Text);
    EXPECT_TRUE(back.Answered);
    EXPECT_TRUE(back.Graph);
}

TEST(HistoryFile, CrcIsZlibs) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926U);
}

TEST(HistoryFile, ReadBackEntryIsMadeAgainOnlyWhenShown) {
    int remade = 0;
    const auto restore = [&remade](const std::string&, const problems::TWindowInput& input) {
        ++remade;
        TBoardEntry entry;
        entry.Problem = [] { return arith::MathText(arith::TMathKind::Word, "made"); };
        entry.Answer = [] { return arith::MathText(arith::TMathKind::Word, "again"); };
        entry.Text = input.Field("Edit0");
        return std::optional<TBoardEntry>(entry);
    };
    const TBoardEntry entry = EntryOf(Record(4), restore);
    EXPECT_EQ(entry.ProblemLine(), "x² − 4 = 0");
    EXPECT_EQ(entry.AnswerLine(), "x = ±√4");
    EXPECT_EQ(remade, 0);
    EXPECT_EQ(arith::MathToUnicode(entry.Math().Problem), "made");
    EXPECT_EQ(arith::MathToUnicode(*entry.Math().Answer), "again");
    EXPECT_FALSE(entry.Graph().has_value());
    EXPECT_EQ(remade, 1);

    // A window that no longer makes it: the board shows the lines kept.
    const TBoardEntry lost = EntryOf(Record(5), {});
    EXPECT_EQ(arith::MathToUnicode(lost.Math().Problem), "x² − 5 = 0");
    EXPECT_EQ(arith::MathToUnicode(lost.ShownAnswer()), "x = ±√5");
}

} // namespace
