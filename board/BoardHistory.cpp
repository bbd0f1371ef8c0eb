// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerBoard.h"
#include "HistoryStore.h"

#include <QDateTime>

#include <algorithm>

namespace {

// The board keeps this many calculations; older ones leave the history.
constexpr std::size_t kHistoryLength = 1000;
// The file may hold this many more, older ones, before it is written anew
// without them: a full history appends as a shorter one does.
constexpr std::size_t kFileSlack = 250;

} // namespace

TBoardHistory::TBoardHistory(QObject* parent) : QObject(parent) {}

TBoardHistory::~TBoardHistory() = default;

void TBoardHistory::UseFile(const QString& path, THistoryRestorer restore) {
    store_ = std::make_unique<THistoryStore>(path);
    restore_ = std::move(restore);
    loaded_ = false;
}

void TBoardHistory::Load() {
    if (loaded_ || !store_) {
        return;
    }
    loaded_ = true;
    THistoryStore::TLoaded loaded = store_->Load(kHistoryLength);
    // Entries made before the file was read stay the newest.
    std::vector<TBoardEntry> entries;
    for (const THistoryRecord& record : loaded.Records) {
        entries.push_back(EntryOf(record, restore_));
    }
    const bool madeBefore = !entries_.empty();
    for (TBoardEntry& entry : entries_) {
        entries.push_back(std::move(entry));
    }
    if (entries.size() > kHistoryLength) {
        entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(kHistoryLength));
    }
    entries_ = std::move(entries);
    if (madeBefore) {
        Save(true);
    }
    emit Reset();
    if (!loaded.Notice.isEmpty()) {
        emit Notice(loaded.Notice);
    }
}

void TBoardHistory::Add(TBoardEntry entry) {
    Load();
    if (entry.Time.empty()) {
        entry.Time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    }
    bool replaced = false;
    if (entry.Row != 0) {
        const auto same = std::find_if(entries_.begin(), entries_.end(), [&entry](const auto& e) {
            return e.Row == entry.Row && e.Window == entry.Window;
        });
        if (same != entries_.end()) {
            const int index = static_cast<int>(same - entries_.begin());
            entries_.erase(same);
            replaced = true;
            emit Replaced(index);
        }
    }
    if (entries_.size() == kHistoryLength) {
        entries_.erase(entries_.begin());
    }
    entries_.push_back(std::move(entry));
    Save(replaced);
    emit Added();
}

void TBoardHistory::Clear() {
    Load();
    entries_.clear();
    Save(true);
    emit Reset();
}

void TBoardHistory::Save(bool whole) {
    if (!store_) {
        return;
    }
    if (!whole && store_->Append(RecordOf(entries_.back())) &&
        store_->Records() <= kHistoryLength + kFileSlack) {
        return;
    }
    std::vector<THistoryRecord> records;
    records.reserve(entries_.size());
    for (const TBoardEntry& entry : entries_) {
        records.push_back(RecordOf(entry));
    }
    store_->Rewrite(records);
}
