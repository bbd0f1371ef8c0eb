// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFile.h"

#include "Errors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

#include <array>
#include <exception>
#include <memory>

namespace {

constexpr const char* kFormatName = "vorantel-history";
// A record's line: this, 8 hex digits, kEntryKey, the entry, "}".
constexpr char kCrcKey[] = R"({"crc32":")";
constexpr char kEntryKey[] = R"(","entry":)";
constexpr qsizetype kCrcAt = sizeof(kCrcKey) - 1;
constexpr qsizetype kEntryAt = kCrcAt + 8 + sizeof(kEntryKey) - 1;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QJsonValue& value) {
    return value.toString().toStdString();
}

std::optional<THistoryRecord> ParseEntry(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject entry = document.object();
    if (entry.value(QLatin1String("v")).toInt() != kHistoryVersion ||
        !entry.value(QLatin1String("class")).isString() ||
        !entry.value(QLatin1String("fields")).isObject() ||
        !entry.value(QLatin1String("checked")).isArray()) {
        return std::nullopt;
    }
    THistoryRecord record;
    record.WindowClass = S(entry.value(QLatin1String("class")));
    record.Caption = S(entry.value(QLatin1String("caption")));
    record.Input.Command = S(entry.value(QLatin1String("command")));
    const QJsonObject fields = entry.value(QLatin1String("fields")).toObject();
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        record.Input.Fields[field.key().toStdString()] = S(field.value());
    }
    const QJsonArray checked = entry.value(QLatin1String("checked")).toArray();
    for (qsizetype i = 0; i < checked.size(); ++i) {
        record.Input.Checked.insert(S(checked.at(i)));
    }
    record.Input.RowUnfinished = entry.value(QLatin1String("rowUnfinished")).toBool();
    record.Time = S(entry.value(QLatin1String("time")));
    record.Problem = S(entry.value(QLatin1String("problem")));
    record.Answer = S(entry.value(QLatin1String("answer")));
    record.Text = S(entry.value(QLatin1String("text")));
    record.Message = S(entry.value(QLatin1String("message")));
    record.Answered = entry.value(QLatin1String("answered")).toBool();
    record.Graph = entry.value(QLatin1String("graph")).toBool();
    return record;
}

// A record's line (without its '\n'), or nothing where it is cut short,
// fails its check or holds no entry of this version.
std::optional<THistoryRecord> ParseLine(const QByteArray& line) {
    if (line.size() <= kEntryAt || !line.startsWith(kCrcKey) ||
        line.mid(kCrcAt + 8, kEntryAt - kCrcAt - 8) != kEntryKey || !line.endsWith('}')) {
        return std::nullopt;
    }
    bool ok = false;
    const std::uint32_t crc = line.mid(kCrcAt, 8).toUInt(&ok, 16);
    const QByteArray entry = line.mid(kEntryAt, line.size() - kEntryAt - 1);
    if (!ok || crc != Crc32(entry)) {
        return std::nullopt;
    }
    return ParseEntry(entry);
}

// The header's version, or nothing where the line is no header of this format.
std::optional<int> HeaderVersion(const QByteArray& line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject header = document.object();
    const QJsonValue version = header.value(QLatin1String("version"));
    if (header.value(QLatin1String("format")).toString() != QLatin1String(kFormatName) ||
        !version.isDouble() || version.toInt() < 1) {
        return std::nullopt;
    }
    return version.toInt();
}

// The entry a record stands for, made again from its window and input once,
// when first needed.
struct TRemade {
    THistoryRestorer Restore;
    std::string WindowClass;
    problems::TWindowInput Input;
    bool Tried = false;
    std::optional<TBoardEntry> Entry;

    const TBoardEntry* Get() {
        if (!Tried) {
            Tried = true;
            try {
                if (Restore) {
                    Entry = Restore(WindowClass, Input);
                }
            } catch (const std::exception&) {
                Entry.reset();
            }
        }
        return Entry ? &*Entry : nullptr;
    }
};

} // namespace

std::uint32_t Crc32(const QByteArray& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFFU] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFU;
}

THistoryRead ReadHistory(const QByteArray& bytes, std::size_t keep) {
    THistoryRead read;
    if (bytes.trimmed().isEmpty()) {
        return read;
    }
    QList<QByteArray> lines = bytes.split('\n');
    // A file that does not end in '\n' was cut short in its last line.
    const bool cut = !bytes.endsWith('\n');
    if (!cut) {
        lines.removeLast();
    }
    const std::optional<int> version = HeaderVersion(lines.first());
    if (!version || (lines.size() == 1 && cut)) {
        read.Result = THistoryRead::State::Unreadable;
        return read;
    }
    read.Version = *version;
    if (*version > kHistoryVersion) {
        read.Result = THistoryRead::State::Newer;
        return read;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        std::optional<THistoryRecord> record = ParseLine(lines[i]);
        const bool last = i == lines.size() - 1;
        if (record) {
            read.Records.push_back(std::move(*record));
            if (last && cut) {
                read.Result = THistoryRead::State::TornTail; // whole, but the file needs its '\n'
            }
        } else if (last && read.Result == THistoryRead::State::Good) {
            read.Result = THistoryRead::State::TornTail;
        } else {
            read.Result = THistoryRead::State::Damaged;
        }
    }
    if (read.Records.size() > keep) {
        read.Records.erase(read.Records.begin(),
                           read.Records.end() - static_cast<std::ptrdiff_t>(keep));
    }
    return read;
}

QByteArray HistoryHeader() {
    QJsonObject header;
    header.insert(QLatin1String("format"), QLatin1String(kFormatName));
    header.insert(QLatin1String("version"), kHistoryVersion);
    return QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray HistoryLine(const THistoryRecord& record) {
    QJsonObject fields;
    for (const auto& [name, text] : record.Input.Fields) {
        fields.insert(Q(name), Q(text));
    }
    QJsonArray checked;
    for (const std::string& radio : record.Input.Checked) {
        checked.append(Q(radio));
    }
    QJsonObject entry;
    entry.insert(QLatin1String("v"), kHistoryVersion);
    entry.insert(QLatin1String("class"), Q(record.WindowClass));
    entry.insert(QLatin1String("caption"), Q(record.Caption));
    entry.insert(QLatin1String("command"), Q(record.Input.Command));
    entry.insert(QLatin1String("fields"), fields);
    entry.insert(QLatin1String("checked"), checked);
    entry.insert(QLatin1String("rowUnfinished"), record.Input.RowUnfinished);
    entry.insert(QLatin1String("time"), Q(record.Time));
    entry.insert(QLatin1String("problem"), Q(record.Problem));
    entry.insert(QLatin1String("answer"), Q(record.Answer));
    entry.insert(QLatin1String("text"), Q(record.Text));
    entry.insert(QLatin1String("message"), Q(record.Message));
    entry.insert(QLatin1String("answered"), record.Answered);
    entry.insert(QLatin1String("graph"), record.Graph);
    const QByteArray bytes = QJsonDocument(entry).toJson(QJsonDocument::Compact);
    QByteArray line = kCrcKey;
    line += QByteArray::number(Crc32(bytes), 16).rightJustified(8, '0');
    line += kEntryKey;
    line += bytes;
    line += "}\n";
    return line;
}

THistoryRecord RecordOf(const TBoardEntry& entry) {
    THistoryRecord record;
    record.WindowClass = entry.WindowClass;
    record.Caption = entry.Window;
    record.Input = entry.Input;
    record.Time = entry.Time;
    record.Problem = entry.ProblemLine();
    record.Answer = entry.AnswerLine();
    record.Text = entry.Text;
    record.Message = entry.Message;
    record.Answered = entry.Answered();
    record.Graph = entry.Plot && entry.Answer;
    return record;
}

TBoardEntry EntryOf(const THistoryRecord& record, const THistoryRestorer& restore) {
    auto remade = std::make_shared<TRemade>();
    remade->Restore = restore;
    remade->WindowClass = record.WindowClass;
    remade->Input = record.Input;

    TBoardEntry entry;
    entry.Window = record.Caption;
    entry.WindowClass = record.WindowClass;
    entry.Input = record.Input;
    entry.Time = record.Time;
    entry.Text = record.Text;
    entry.Message = record.Message;
    entry.SetLines(record.Problem, record.Answer, record.Answered);
    // Should the window no longer make it, the board shows the lines kept.
    entry.Problem = [remade, problem = record.Problem] {
        const TBoardEntry* made = remade->Get();
        return made != nullptr && made->Problem ? made->Problem()
                                                : arith::MathText(arith::TMathKind::Word, problem);
    };
    if (record.Answered) {
        entry.Answer = [remade, answer = record.Answer] {
            const TBoardEntry* made = remade->Get();
            return made != nullptr && made->Answer
                       ? made->Answer()
                       : arith::MathText(arith::TMathKind::Word, answer);
        };
    }
    const auto part = [remade](auto member) {
        return [remade, member]() -> std::optional<arith::TMath> {
            const TBoardEntry* made = remade->Get();
            return made != nullptr && made->*member ? (made->*member)() : std::nullopt;
        };
    };
    entry.Working = part(&TBoardEntry::Working);
    entry.WholeWorking = part(&TBoardEntry::WholeWorking);
    entry.Decimals = part(&TBoardEntry::Decimals);
    if (record.Graph) {
        entry.Plot = [remade] {
            const TBoardEntry* made = remade->Get();
            if (made == nullptr || !made->Plot) {
                throw arith::CalcError("the graph can no longer be made");
            }
            return made->Plot();
        };
    }
    return entry;
}
