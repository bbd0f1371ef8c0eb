// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: the board's calculations kept from one run to the next,
// as JSON lines (README.md, "The history file", describes it in full).
//
//   {"format":"vorantel-history","version":1}
//   {"crc32":"1c291ca3","entry":{"v":1,"class":"TNijiForm",...}}
//   ...
//
// The first line names the format and its version. Every later line is one
// calculation, oldest first: its entry, and the CRC-32 of the entry's bytes
// exactly as written, so that a line cut short by a crash, or damaged, is
// known. A calculation is appended as it ends; whenever the history changes
// otherwise (an Enter chain's entry replaced, older entries let go, the
// history emptied) the whole file is written anew beside it and renamed
// over it, so that it is always either the old file or the new one.
#pragma once

#include "BoardEntry.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

inline constexpr int kHistoryVersion = 1;

// One calculation as the file keeps it.
struct THistoryRecord {
    std::string WindowClass;
    std::string Caption;
    problems::TWindowInput Input;
    std::string Time;
    std::string Problem; // as the history lists it, plain Unicode
    std::string Answer;  // the answer shown, or why there is none
    std::string Text;    // the answer as the fields hold it
    std::string Message; // why it failed or stopped; empty with an answer
    bool Answered = false;
    bool Graph = false;
};

// What reading a file found.
struct THistoryRead {
    enum class State {
        Good,       // every line read (also: no file, or an empty one)
        TornTail,   // the last line cut short or failing its check: left out
        Damaged,    // a line before the last unreadable: left out, the rest kept
        Unreadable, // no header of this format: nothing read
        Newer,      // the header names a later version: nothing read
    };
    State Result = State::Good;
    int Version = kHistoryVersion; // the header's version
    std::vector<THistoryRecord> Records;
};

// Reads a history file's bytes; a file of more records than `keep` gives
// the newest `keep`.
THistoryRead ReadHistory(const QByteArray& bytes, std::size_t keep);
// The header line and one record's line, each ending in '\n'.
QByteArray HistoryHeader();
QByteArray HistoryLine(const THistoryRecord& record);
// The record of an entry, and an entry from a record.
THistoryRecord RecordOf(const TBoardEntry& entry);
// Makes an entry's formulas, working and graph again from its window and
// input: the window's problem entry run once more (nullopt where it gives none).
using THistoryRestorer =
    std::function<std::optional<TBoardEntry>(const std::string&, const problems::TWindowInput&)>;
// The entry of a record. The lines the history lists come from the record;
// the formulas, the working and the graph are made again the first time
// something needs them, by the restorer.
TBoardEntry EntryOf(const THistoryRecord& record, const THistoryRestorer& restore);

// CRC-32 (the polynomial of zlib and PNG) of the bytes.
std::uint32_t Crc32(const QByteArray& bytes);
