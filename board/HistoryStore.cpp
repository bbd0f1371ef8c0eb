// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

QString Tell(const QString& text, const QString& folder) {
    return text + QStringLiteral("\n保存先: ") + QDir::toNativeSeparators(folder);
}

} // namespace

QString THistoryStore::AsideName(const QString& tag) const {
    const QString base = path_ + QLatin1Char('.') + tag;
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = base + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

THistoryStore::TLoaded THistoryStore::Load(std::size_t keep) {
    TLoaded loaded;
    QFile file(path_);
    if (!file.exists()) {
        return loaded;
    }
    const QString folder = QFileInfo(path_).absolutePath();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    THistoryRead read;
    if (file.open(QIODevice::ReadOnly)) {
        read = ReadHistory(file.readAll(), keep);
        file.close();
    } else {
        read.Result = THistoryRead::State::Unreadable;
    }
    switch (read.Result) {
    case THistoryRead::State::Good:
        records_ = read.Records.size();
        break;
    case THistoryRead::State::TornTail:
        // The calculation a crash cut short: the file goes on without it.
        Rewrite(read.Records);
        break;
    case THistoryRead::State::Damaged: {
        const QString aside = AsideName(QStringLiteral("bad-") + stamp);
        if (QFile::copy(path_, aside)) {
            Rewrite(read.Records);
            loaded.Notice =
                Tell(QStringLiteral("履歴ファイルの一部が壊れていたため、読めた %1 "
                                    "件の計算だけを履歴に残しました。元のファイルは別名 "
                                    "%2 で保存してあります。")
                         .arg(read.Records.size())
                         .arg(QFileInfo(aside).fileName()),
                     folder);
        } else {
            blocked_ = true;
            loaded.Notice = Tell(QStringLiteral("履歴ファイルの一部が壊れていて、別名で保存する"
                                                "こともできなかったため、この回の計算は履歴ファイル"
                                                "に書きません。"),
                                 folder);
        }
        break;
    }
    case THistoryRead::State::Unreadable:
    case THistoryRead::State::Newer: {
        const bool newer = read.Result == THistoryRead::State::Newer;
        const QString aside = AsideName(newer ? QStringLiteral("newer-%1").arg(read.Version)
                                              : QStringLiteral("bad-") + stamp);
        read.Records.clear();
        if (QFile::rename(path_, aside)) {
            const QString name = QFileInfo(aside).fileName();
            loaded.Notice =
                Tell(newer ? QStringLiteral("履歴ファイルはこのバージョンより新しい形式 (%1) "
                                            "のため、別名 %2 で保存し、新しい履歴で始めます。")
                                 .arg(read.Version)
                                 .arg(name)
                           : QStringLiteral("履歴ファイルを読めなかったため、別名 %1 "
                                            "で保存し、新しい履歴で始めます。")
                                 .arg(name),
                     folder);
        } else {
            blocked_ = true;
            loaded.Notice = Tell(QStringLiteral("履歴ファイルを読めず、別名で保存することもできな"
                                                "かったため、新しい履歴で始め、この回の計算は履歴"
                                                "ファイルに書きません。"),
                                 folder);
        }
        break;
    }
    }
    loaded.Records = std::move(read.Records);
    return loaded;
}

bool THistoryStore::Append(const THistoryRecord& record) {
    if (blocked_) {
        return false;
    }
    QFile file(path_);
    // No file, or one without its header: the caller writes it whole.
    if (file.size() == 0 || !file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    const QByteArray line = HistoryLine(record);
    const bool written = file.write(line) == line.size() && file.flush();
    if (written) {
        ++records_;
    }
    return written;
}

bool THistoryStore::Rewrite(const std::vector<THistoryRecord>& records) {
    if (blocked_) {
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray bytes = HistoryHeader();
    for (const THistoryRecord& record : records) {
        bytes += HistoryLine(record);
    }
    file.write(bytes);
    if (!file.commit()) {
        return false;
    }
    records_ = records.size();
    return true;
}
