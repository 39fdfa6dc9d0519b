// Input starting with 'T': a symbolic hot-key tree in a small byte code (see TreeReader).
// Otherwise: accelerators one a line, as a desktop-settings list stores them; they go
// through the parser alone, then through the settings adapter (in-memory settings) into
// the system group.
#include "harvest/SystemShortcuts.h"
#include "platform/freedesktop/GnomeHotKeys.h"
#include "platform/freedesktop/KeyBindingParser.h"

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace holdsheet;

namespace {

const char* const wmSchema = "org.gnome.desktop.wm.keybindings";
const char* const wmKey = "switch-to-workspace-left";
GSettings* wmSettings = nullptr;  // lives for the process

// Reads bytes from the front so that seeds can be written by hand. Each value starts with a
// type byte (mod 8): 0 none, 1 Boolean (next byte), 2 small integer (next byte, signed),
// 3 integer (8 bytes), 4 real (8 bytes), 5 text (length byte, UTF-8), 6 array and
// 7 dictionary (count byte mod 8, then the members; a key byte below 0x80 picks a word the
// reader looks for, otherwise it is the length of a UTF-8 key that follows).
class TreeReader {
  public:
    TreeReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    ValueTree read(int depth) {
        switch (byte() % 8) {
            case 1:
                return ValueTree(static_cast<bool>(byte() & 1));
            case 2:
                return ValueTree(qint64{static_cast<int8_t>(byte())});
            case 3: {
                qint64 integer = 0;
                copy(&integer, sizeof integer);
                return ValueTree(integer);
            }
            case 4: {
                double real = 0;
                copy(&real, sizeof real);
                return ValueTree(real);
            }
            case 5:
                return ValueTree(text(byte()));
            case 6: {
                ValueTree::Array array;
                const int count = byte() % 8;
                for (int i = 0; i < count && depth < 6; ++i) {
                    array.push_back(read(depth + 1));
                }
                return ValueTree(std::move(array));
            }
            case 7: {
                ValueTree::Dictionary dictionary;
                const int count = byte() % 8;
                for (int i = 0; i < count && depth < 6; ++i) {
                    QString name = key();
                    dictionary.insert_or_assign(std::move(name), read(depth + 1));
                }
                return ValueTree(std::move(dictionary));
            }
            default:
                return ValueTree();
        }
    }

  private:
    uint8_t byte() { return offset_ < size_ ? data_[offset_++] : 0; }
    void copy(void* target, size_t length) {
        const size_t available = std::min(length, size_ - offset_);
        std::memcpy(target, data_ + offset_, available);
        offset_ += available;
    }
    QString text(size_t length) {
        length = std::min(length, size_ - offset_);
        const auto* start = reinterpret_cast<const char*>(data_ + offset_);
        offset_ += length;
        return QString::fromUtf8(start, static_cast<qsizetype>(length));
    }
    QString key() {
        const uint8_t selector = byte();
        if (selector >= 0x80) {
            return text(selector - 0x80);
        }
        static const QStringList words = [] {
            QStringList list{QStringLiteral("enabled"), QStringLiteral("value"),
                             QStringLiteral("parameters")};
            for (const auto& row : systemHotKeyRows()) {
                list.append(QString::number(row.id));
            }
            return list;
        }();
        return words.at(selector % words.size());
    }

    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

QString echo(const QString& key) {
    return key;
}

void checkGroup(const std::optional<ShortcutGroup>& group) {
    if (!group) {
        return;
    }
    // The group is documented never to be empty, and its rows replay key combinations.
    if (group->items.empty()) {
        std::abort();
    }
    for (const auto& item : group->items) {
        if (!item.action.keyCombination() || item.title.isEmpty()) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Settings in memory only: nothing of the desktop is read or changed.
    g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema =
        source ? g_settings_schema_source_lookup(source, wmSchema, TRUE) : nullptr;
    if (schema) {
        g_settings_schema_unref(schema);
        wmSettings = g_settings_new(wmSchema);
    } else {
        std::fprintf(stderr, "%s is not installed: the settings adapter is not fuzzed\n", wmSchema);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 'T') {
        TreeReader reader(data + 1, size - 1);
        checkGroup(systemGroup(reader.read(0), echo));
        return 0;
    }

    const QList<QByteArray> lines =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .split('\n');
    std::vector<QByteArray> accelerators;  // valid UTF-8, as settings hold only that
    for (const QByteArray& line : lines) {
        const QString accelerator = QString::fromUtf8(line);
        const auto key = parseAccelerator(accelerator);
        if (key && ((!key->character && !key->virtualKey) || (key->modifiers & ~15) != 0)) {
            std::abort();
        }
        accelerators.push_back(accelerator.toUtf8());
    }
    if (!wmSettings) {
        return 0;
    }
    std::vector<const char*> strings;
    for (const auto& accelerator : accelerators) {
        strings.push_back(accelerator.constData());
    }
    strings.push_back(nullptr);
    g_settings_set_strv(wmSettings, wmKey, strings.data());
    GnomeHotKeys hotKeys({{SymbolicHotKey::workspaceLeft, {{wmSchema, wmKey}}}});
    const auto tree = hotKeys.symbolicHotKeys();
    if (!tree) {
        std::abort();  // the key exists, so there is an entry
    }
    checkGroup(systemGroup(tree, echo));
    // Change notices queue on the default context; drain them so that they do not pile up.
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    return 0;
}
