#pragma once

#include <QString>

#include <map>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

namespace holdsheet {

// A small tree of values as stored preferences hold them.
struct ValueTree {
    using Array = std::vector<ValueTree>;
    using Dictionary = std::map<QString, ValueTree>;
    std::variant<std::monostate, bool, qint64, double, QString, Array, Dictionary> data;

    ValueTree() = default;
    template <typename T>
    requires std::is_constructible_v<decltype(data), T> ValueTree(T value)
        : data(std::move(value)) {}  // implicit: trees are written as literals
    ValueTree(int number) : data(qint64{number}) {}
    ValueTree(const char* text) : data(QString::fromUtf8(text)) {}
};

// Ids of the desktop shortcuts in the symbolic hot-key dictionary, the one table that both
// the sheet's rows and the adapters' sources are keyed by.
namespace SymbolicHotKey {
constexpr int screenshotScreenFile = 28;
constexpr int screenshotScreenClipboard = 29;
constexpr int screenshotAreaFile = 30;
constexpr int screenshotAreaClipboard = 31;
constexpr int screenshotOptions = 184;
constexpr int search = 64;
constexpr int searchFiles = 65;
constexpr int overview = 32;
constexpr int applicationWindows = 33;
constexpr int showDesktop = 36;
constexpr int workspaceLeft = 79;
constexpr int workspaceRight = 81;
constexpr int previousInputSource = 60;
constexpr int nextInputSource = 61;
}  // namespace SymbolicHotKey

// The desktop's own key bindings as a symbolic hot-key dictionary: keys are hot-key ids in
// decimal, each entry {"enabled": number, "value": {"parameters": [character code,
// virtual key code, modifier flags (ModifierFlag)]}}; a character code of 65535 means no
// character. Bindings of actions outside the id table carry their own "title" text, under
// ids from 1000 on.
class SystemHotKeys {
  public:
    virtual ~SystemHotKeys() = default;
    // None when the desktop's bindings cannot be read.
    virtual std::optional<ValueTree> symbolicHotKeys() = 0;
};

}  // namespace holdsheet
