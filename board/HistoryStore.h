// SPDX-License-Identifier: GPL-3.0-or-later
// The history file on disk: read once at start, a line appended for each
// calculation, written anew (beside it, then renamed over it) when the
// history changes otherwise. A file that cannot be read is never deleted
// or written over: it is kept under another name, and the user is told.
#pragma once

#include "HistoryFile.h"

#include <QString>

#include <vector>

class THistoryStore {
public:
    explicit THistoryStore(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }

    struct TLoaded {
        std::vector<THistoryRecord> Records; // oldest first, at most `keep`
        QString Notice;                      // what to tell the user; empty: nothing
    };
    // Reads the file. A cut-short last line is left out and the file written
    // again without it; a file with damaged lines is copied aside whole and
    // written again with the lines that could be read; a file that cannot be
    // read, or of a newer version, is renamed aside and the history starts
    // empty. Where a bad file cannot be put aside, nothing more is written
    // to it in this run.
    TLoaded Load(std::size_t keep);
    // Adds a record at the end, handed to the system before it returns
    // (a crash of the program right after loses nothing). False where there
    // is no file yet, or it cannot be written: Rewrite makes it whole.
    bool Append(const THistoryRecord& record);
    // Writes the file anew with these records, atomically.
    bool Rewrite(const std::vector<THistoryRecord>& records);
    // The records the file holds now (some may be older than the history keeps).
    std::size_t Records() const { return records_; }

private:
    // A name beside the file that no file has yet: the file's name and `tag`.
    QString AsideName(const QString& tag) const;

    QString path_;
    std::size_t records_ = 0;
    bool blocked_ = false; // a bad file is in the way: leave it alone
};
