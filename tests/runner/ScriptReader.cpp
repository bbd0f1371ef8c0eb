// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a UI script: each command line split into its name, its operand
// W or W.C and its text, checked against the command table.
#include "Script.h"

#include <QFile>

#include <optional>

namespace runner {
namespace {

struct KeyName {
    const char* name;
    Qt::Key key;
};

constexpr KeyName kKeys[] = {
    {"Enter", Qt::Key_Return},
    {"Tab", Qt::Key_Tab},
    {"Escape", Qt::Key_Escape},
    {"Space", Qt::Key_Space},
};

std::optional<Qt::Key> KeyFromName(const QString& name) {
    for (const KeyName& k : kKeys) {
        if (name == QLatin1String(k.name)) {
            return k.key;
        }
    }
    return std::nullopt;
}

// Splits "W.C" or "W"; throws when the form does not fit the command.
void ReadOperand(const QString& operand, const CommandSpec& spec, Command& command) {
    const qsizetype dot = operand.indexOf(QLatin1Char('.'));
    command.window = dot < 0 ? operand : operand.left(dot);
    command.control = dot < 0 ? QString() : operand.mid(dot + 1);
    if (command.window.isEmpty() || (dot >= 0 && command.control.isEmpty())) {
        throw ScriptError(QStringLiteral("malformed name '%1'").arg(operand));
    }
    if (spec.operand == Operand::Window && dot >= 0) {
        throw ScriptError(
            QStringLiteral("'%1' takes a window, not a control").arg(QLatin1String(spec.name)));
    }
    if (spec.operand == Operand::Control && dot < 0) {
        throw ScriptError(QStringLiteral("'%1' takes a control W.C").arg(QLatin1String(spec.name)));
    }
}

// Reads command.text as the command's kind of text; throws when it is not one.
void ReadText(const CommandSpec& spec, Command& command) {
    switch (spec.text) {
    case Text::No:
    case Text::Any:
        break;
    case Text::KeyName: {
        const std::optional<Qt::Key> key = KeyFromName(command.text);
        if (!key) {
            throw ScriptError(
                QStringLiteral("unknown key '%1' (Enter, Tab, Escape or Space)").arg(command.text));
        }
        command.key = *key;
        break;
    }
    case Text::KeySequence:
        command.keys = QKeySequence::fromString(command.text, QKeySequence::PortableText);
        if (command.keys.isEmpty() || command.keys[0].key() == Qt::Key_unknown) {
            throw ScriptError(QStringLiteral("'%1' is not a key sequence").arg(command.text));
        }
        break;
    case Text::ItemNumber: {
        bool ok = false;
        command.item = command.text.toInt(&ok);
        if (!ok || command.item < 0) {
            throw ScriptError(QStringLiteral("'%1' is not an item number").arg(command.text));
        }
        break;
    }
    case Text::Place: {
        const QStringList parts = command.text.split(QLatin1Char(','));
        bool okX = false;
        bool okY = false;
        if (parts.size() == 2) {
            command.point = QPoint(parts[0].toInt(&okX), parts[1].toInt(&okY));
        }
        if (!okX || !okY) {
            throw ScriptError(QStringLiteral("'%1' is not a place X,Y").arg(command.text));
        }
        break;
    }
    case Text::Size: {
        const QStringList parts = command.text.split(QLatin1Char('x'));
        bool okW = false;
        bool okH = false;
        if (parts.size() == 2) {
            command.point = QPoint(parts[0].toInt(&okW), parts[1].toInt(&okH));
        }
        if (!okW || !okH || command.point.x() <= 0 || command.point.y() <= 0) {
            throw ScriptError(QStringLiteral("'%1' is not a size WxH").arg(command.text));
        }
        break;
    }
    case Text::FileName:
        if (command.text.isEmpty()) {
            throw ScriptError(QStringLiteral("%1 needs a file name").arg(QLatin1String(spec.name)));
        }
        break;
    case Text::Milliseconds: {
        bool ok = false;
        command.item = command.text.toInt(&ok);
        if (!ok || command.item < 0) {
            throw ScriptError(
                QStringLiteral("'%1' is not a number of milliseconds").arg(command.text));
        }
        break;
    }
    case Text::PaletteName:
        if (command.text != QLatin1String("dark") && command.text != QLatin1String("system")) {
            throw ScriptError(
                QStringLiteral("unknown palette '%1' (dark or system)").arg(command.text));
        }
        break;
    }
}

Command ParseCommand(const QString& line, std::span<const CommandSpec> commands) {
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    const QString name = space < 0 ? line : line.left(space);
    const QString rest = space < 0 ? QString() : line.mid(space + 1);
    const CommandSpec* spec = nullptr;
    for (const CommandSpec& c : commands) {
        if (name == QLatin1String(c.name)) {
            spec = &c;
        }
    }
    if (spec == nullptr) {
        throw ScriptError(QStringLiteral("unknown command '%1'").arg(name));
    }
    Command command;
    command.spec = spec;
    if (spec->operand == Operand::None) {
        if (!rest.isEmpty()) {
            throw ScriptError(QStringLiteral("'%1' takes nothing").arg(name));
        }
        return command;
    }
    if (spec->operand == Operand::Text) {
        if (rest.isEmpty()) {
            throw ScriptError(QStringLiteral("'%1' needs a value").arg(name));
        }
        command.text = rest;
        ReadText(*spec, command);
        return command;
    }
    const qsizetype end = rest.indexOf(QLatin1Char(' '));
    const QString operand = end < 0 ? rest : rest.left(end);
    if (operand.isEmpty()) {
        throw ScriptError(QStringLiteral("'%1' needs a name").arg(name));
    }
    ReadOperand(operand, *spec, command);
    if (spec->text == Text::No) {
        if (end >= 0) {
            throw ScriptError(QStringLiteral("unexpected text after '%1'").arg(operand));
        }
        return command;
    }
    command.text = end < 0 ? QString() : rest.mid(end + 1);
    ReadText(*spec, command);
    return command;
}

} // namespace

Script ReadScript(const QString& path, std::span<const CommandSpec> commands, QStringList& errors) {
    Script script;
    script.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << QStringLiteral("%1: cannot open: %2").arg(path, file.errorString());
        return script;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line == QLatin1String(">") || line.startsWith(QLatin1String("> "))) {
            script.expected.push_back({number, line.mid(2)});
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        try {
            Command command = ParseCommand(line, commands);
            command.line = number;
            script.commands.push_back(command);
        } catch (const ScriptError& e) {
            errors << QStringLiteral("%1:%2: %3")
                          .arg(path)
                          .arg(number)
                          .arg(QString::fromUtf8(e.what()));
        }
    }
    return script;
}

} // namespace runner
