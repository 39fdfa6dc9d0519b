#include "platform/sway/SwayReplies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace holdsheet {

namespace {

QJsonObject objectOf(const QByteArray& json) {
    return QJsonDocument::fromJson(json).object();
}

}  // namespace

namespace {

std::optional<SwayWindow> windowOf(const QJsonObject& node) {
    const QString type = node.value("type").toString();
    if (type != "con" && type != "floating_con") {
        return std::nullopt;
    }
    const auto pid = node.value("pid").toInteger();
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) {
        return std::nullopt;  // a container that holds windows, not a window
    }
    SwayWindow window;
    window.id = node.value("id").toInteger();
    window.pid = static_cast<pid_t>(pid);
    window.appId = node.value("app_id").toString();
    window.windowClass = node.value("window_properties").toObject().value("class").toString();
    window.title = node.value("name").toString();
    window.fullscreen = node.value("fullscreen_mode").toInt() != 0;
    return window;
}

// Every window of the tree, depth first; a tree deeper than any real one is cut.
void collectWindows(const QJsonObject& node, int depth, std::vector<SwayWindow>& windows,
                    std::optional<qint64>& focused) {
    if (const auto window = windowOf(node)) {
        windows.push_back(*window);
        if (node.value("focused").toBool()) {
            focused = window->id;
        }
    }
    if (depth >= 64) {
        return;
    }
    for (const char* key : {"nodes", "floating_nodes"}) {
        for (const auto child : node.value(key).toArray()) {
            collectWindows(child.toObject(), depth + 1, windows, focused);
        }
    }
}

}  // namespace

namespace {

struct Windows {
    std::vector<SwayWindow> all;
    std::optional<qint64> focused;
};

Windows windowsOf(const QByteArray& tree) {
    Windows windows;
    collectWindows(objectOf(tree), 0, windows.all, windows.focused);
    return windows;
}

}  // namespace

std::optional<SwayWindow> focusedSwayWindow(const QByteArray& tree) {
    const Windows windows = windowsOf(tree);
    for (const auto& window : windows.all) {
        if (window.id == windows.focused) {
            return window;
        }
    }
    return std::nullopt;
}

std::optional<SwayWindow> swayWindowOfProcess(const QByteArray& tree, pid_t pid) {
    const Windows windows = windowsOf(tree);
    std::optional<SwayWindow> first;
    for (const auto& window : windows.all) {
        if (window.pid != pid) {
            continue;
        }
        if (window.id == windows.focused) {
            return window;
        }
        if (!first) {
            first = window;
        }
    }
    return first;
}

std::optional<qint64> swayWindowOf(const QByteArray& tree, pid_t pid, const QString& title) {
    for (const auto& window : windowsOf(tree).all) {
        if (window.pid == pid && window.title == title) {
            return window.id;
        }
    }
    return std::nullopt;
}

SwayCommandResult swayCommandResult(const QByteArray& reply) {
    const QJsonArray results = QJsonDocument::fromJson(reply).array();
    if (results.isEmpty()) {
        return {false, QStringLiteral("no answer")};
    }
    for (const auto result : results) {
        const QJsonObject object = result.toObject();
        if (!object.value("success").toBool()) {
            return {false, object.value("error").toString()};
        }
    }
    return {true, {}};
}

std::optional<SwayBindingEvent> swayBindingEvent(const QByteArray& event) {
    const QJsonObject binding = objectOf(event).value("binding").toObject();
    if (binding.isEmpty()) {
        return std::nullopt;
    }
    return SwayBindingEvent{binding.value("command").toString(),
                            binding.value("symbol").toString()};
}

SwayWindowEvent swayWindowEvent(const QByteArray& event) {
    const QJsonObject object = objectOf(event);
    return {object.value("change").toString(), windowOf(object.value("container").toObject())};
}

QString swayEventChange(const QByteArray& event) {
    return objectOf(event).value("change").toString();
}

QString swayConfigText(const QByteArray& reply) {
    return objectOf(reply).value("config").toString();
}

namespace {

// Words split at blanks, with quoted words kept whole (quotes removed).
QStringList words(const QString& line) {
    QStringList result;
    QString word;
    QChar quote;
    bool inWord = false;
    for (const QChar c : line) {
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
            } else {
                word += c;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c.isSpace()) {
            if (inWord) {
                result << word;
                word.clear();
                inWord = false;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        result << word;
    }
    return result;
}

// Logical lines: comments dropped, backslash continuations joined, braces on lines of their
// own so that blocks are easy to follow.
QStringList logicalLines(const QString& config) {
    QStringList lines;
    QString pending;
    for (QString line : config.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('#')) {
            continue;
        }
        if (line.endsWith('\\')) {
            pending += line.chopped(1) + ' ';
            continue;
        }
        line = pending + line;
        pending.clear();
        if (line.endsWith('{') && line.size() > 1) {
            lines << line.chopped(1).trimmed() << QStringLiteral("{");
        } else if (!line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

QString expanded(QString text, const std::map<QString, QString, std::greater<>>& variables) {
    // Longest names first, so $mod does not eat the start of $modifier.
    std::vector<std::pair<QString, QString>> ordered(variables.begin(), variables.end());
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    for (const auto& [name, value] : ordered) {
        text.replace(name, value);
    }
    return text;
}

}  // namespace

std::vector<SwayConfigBinding> swayConfigBindings(const QString& config) {
    std::map<QString, QString, std::greater<>> variables;
    std::vector<SwayConfigBinding> bindings;
    // What each open brace belongs to: a mode, a bindsym block (with its flags) or other.
    struct Block {
        bool mode = false;
        bool bindsym = false;
        QStringList flags;
    };
    std::vector<Block> blocks;
    QStringList pendingHead;
    const auto inMode = [&blocks] {
        return std::any_of(blocks.begin(), blocks.end(), [](const Block& b) { return b.mode; });
    };
    const auto add = [&](QStringList parts, QStringList flags) {
        while (!parts.isEmpty() && parts.front().startsWith("--")) {
            flags << parts.takeFirst();
        }
        if (parts.size() < 2) {
            return;
        }
        const QString combo = expanded(parts.takeFirst(), variables);
        bindings.push_back({flags, combo, expanded(parts.join(' '), variables)});
    };
    for (const QString& line : logicalLines(config)) {
        if (line == "{") {
            Block block;
            block.mode = !pendingHead.isEmpty() && pendingHead.front() == "mode";
            block.bindsym = !pendingHead.isEmpty() && pendingHead.front() == "bindsym";
            if (block.bindsym) {
                block.flags = pendingHead.mid(1);
            }
            blocks.push_back(block);
            pendingHead.clear();
            continue;
        }
        if (line == "}") {
            if (!blocks.empty()) {
                blocks.pop_back();
            }
            continue;
        }
        const QStringList parts = words(line);
        pendingHead = parts;
        if (parts.isEmpty()) {
            continue;
        }
        if (!blocks.empty() && blocks.back().bindsym) {
            if (!inMode()) {
                add(parts, blocks.back().flags);
            }
        } else if (parts.front() == "set" && parts.size() >= 3 && parts[1].startsWith('$')) {
            variables[parts[1]] = expanded(parts.mid(2).join(' '), variables);
        } else if (parts.front() == "bindsym" && !inMode()) {
            add(parts.mid(1), {});
        }
    }
    return bindings;
}

}  // namespace holdsheet
