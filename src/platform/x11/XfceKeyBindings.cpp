#include "platform/x11/XfceKeyBindings.h"

#include <QHash>
#include <QXmlStreamReader>

namespace holdsheet {

namespace {

constexpr int maximumDepth = 32;
constexpr qsizetype maximumTextLength = 4096;

struct Entry {
    QString accelerator;
    QString value;
};

// The string properties of "<group>/<list>/<accelerator>", by group and list.
using Lists = QHash<QString, QHash<QString, std::vector<Entry>>>;

std::optional<Lists> readLists(const QByteArray& text) {
    QXmlStreamReader xml(text);
    QStringList path;  // names of the open property elements
    Lists lists;
    std::size_t count = 0;
    bool channel = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (path.size() >= maximumDepth) {
                return std::nullopt;
            }
            const auto attributes = xml.attributes();
            if (!channel) {
                if (xml.name() != u"channel" ||
                    attributes.value(QLatin1String("name")) != u"xfce4-keyboard-shortcuts") {
                    return std::nullopt;
                }
                channel = true;
                path << QString();
                continue;
            }
            const QString name =
                attributes.value(QLatin1String("name")).toString().left(maximumTextLength);
            path << name;
            if (path.size() == 4 && xml.name() == u"property" &&
                attributes.value(QLatin1String("type")) == u"string" &&
                count < 4 * maximumDesktopBindings) {
                const QString value =
                    attributes.value(QLatin1String("value")).toString().left(maximumTextLength);
                lists[path.at(1)][path.at(2)].push_back({name, value.simplified()});
                ++count;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (!path.isEmpty()) {
                path.removeLast();
            }
        }
    }
    if (xml.hasError() || !channel) {
        return std::nullopt;
    }
    return lists;
}

const std::vector<Entry>& inUse(const Lists& lists, const QString& group) {
    static const std::vector<Entry> none;
    const auto found = lists.constFind(group);
    if (found == lists.constEnd()) {
        return none;
    }
    for (const char* list : {"custom", "default"}) {
        const auto entries = found->constFind(QString::fromLatin1(list));
        if (entries != found->constEnd()) {
            return *entries;
        }
    }
    return none;
}

std::optional<int> windowManagerHotKey(const QString& action) {
    static const QHash<QString, int> ids{
        {QStringLiteral("show_desktop_key"), SymbolicHotKey::showDesktop},
        {QStringLiteral("left_workspace_key"), SymbolicHotKey::workspaceLeft},
        {QStringLiteral("right_workspace_key"), SymbolicHotKey::workspaceRight},
    };
    const auto found = ids.constFind(action);
    return found == ids.constEnd() ? std::nullopt : std::optional<int>(*found);
}

// The screenshot tool and the application finder do what rows of the table do.
std::optional<int> commandHotKey(const QString& command) {
    const QStringList words = command.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return std::nullopt;
    }
    const QString program = words.front().section(QLatin1Char('/'), -1);
    if (program == u"xfce4-appfinder") {
        return SymbolicHotKey::search;
    }
    if (program != u"xfce4-screenshooter") {
        return std::nullopt;
    }
    const bool clipboard = words.contains(QLatin1String("-c"));
    if (words.contains(QLatin1String("-f")) || words.contains(QLatin1String("--fullscreen"))) {
        return clipboard ? SymbolicHotKey::screenshotScreenClipboard
                         : SymbolicHotKey::screenshotScreenFile;
    }
    if (words.contains(QLatin1String("-r")) || words.contains(QLatin1String("--region"))) {
        return clipboard ? SymbolicHotKey::screenshotAreaClipboard
                         : SymbolicHotKey::screenshotAreaFile;
    }
    return words.size() == 1 ? std::optional<int>(SymbolicHotKey::screenshotOptions) : std::nullopt;
}

}  // namespace

std::optional<std::vector<DesktopBinding>> xfceKeyBindings(const QByteArray& channelXml) {
    const auto lists = readLists(channelXml);
    if (!lists) {
        return std::nullopt;
    }
    std::vector<DesktopBinding> bindings;
    for (const char* group : {"xfwm4", "commands"}) {
        const bool windowManager = qstrcmp(group, "xfwm4") == 0;
        for (const Entry& entry : inUse(*lists, QString::fromLatin1(group))) {
            if (bindings.size() >= maximumDesktopBindings) {
                break;
            }
            if (entry.value.isEmpty() || entry.accelerator.size() > maximumKeyTextLength) {
                continue;
            }
            const auto key = parseAccelerator(entry.accelerator);
            if (!key) {
                continue;
            }
            DesktopBinding binding;
            binding.key = *key;
            if (windowManager) {
                binding.hotKeyId = windowManagerHotKey(entry.value);
                QString action = entry.value;
                if (action.endsWith(QLatin1String("_key"))) {
                    action.chop(4);
                }
                binding.title = wordsOfIdentifier(action);
            } else {
                binding.hotKeyId = commandHotKey(entry.value);
                binding.title = entry.value;
            }
            bindings.push_back(std::move(binding));
        }
    }
    return bindings;
}

}  // namespace holdsheet
