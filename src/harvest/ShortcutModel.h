#pragma once

#include "platform/Accessibility.h"

#include <QString>
#include <QUuid>

#include <cstdint>
#include <variant>
#include <vector>

namespace holdsheet {

// Holds the menu item to press. Copies share the element: pressing either presses the same
// item, and the element stays alive while any copy does.
struct AXBox {
    AXElementRef element;
};

// What performing an item does: press a menu item, or post a key combination.
class ShortcutAction {
  public:
    struct Keys {
        std::uint16_t keyCode = 0;
        // Modifier flags (ModifierFlag); other bits are carried through unchanged.
        std::uint64_t flags = 0;
    };

    static ShortcutAction menu(AXBox box) { return ShortcutAction(std::move(box)); }
    static ShortcutAction keys(std::uint16_t keyCode, std::uint64_t flags) {
        return ShortcutAction(Keys{keyCode, flags});
    }

    // The payload of the case held, or null for the other case.
    const AXBox* menuBox() const { return std::get_if<AXBox>(&value_); }
    const Keys* keyCombination() const { return std::get_if<Keys>(&value_); }

  private:
    explicit ShortcutAction(std::variant<AXBox, Keys> value) : value_(std::move(value)) {}
    std::variant<AXBox, Keys> value_;
};

// One command with a key equivalent. The id is fresh at every creation and kept by copies;
// there is no other notion of equality: two items with the same texts are different items.
struct ShortcutItem {
    QUuid id = QUuid::createUuid();
    QString title;      // trimmed, never empty
    QString modifiers;  // "⌃⌥⇧⌘" in that order, any subset
    QString key;        // "A", "↩", "F1" ...
    bool isEnabled = true;
    ShortcutAction action = ShortcutAction::keys(0, 0);
};

// One top-level menu, a group of the application's shortcuts help, or the system group.
// Never empty when a reader or the filter made it.
struct ShortcutGroup {
    QUuid id = QUuid::createUuid();
    QString title;  // as read, not trimmed
    std::vector<ShortcutItem> items;
    // Where the group comes from, in the user's language, for groups that are not the
    // application's menus or the desktop's; empty otherwise.
    QString subtitle = {};
};

// Why the application's own shortcuts are missing from a sheet, or only partly there.
enum class SheetGap {
    none,
    // Neither a menu bar nor a shortcuts help to read.
    nothingToRead,
    // Not on the accessibility bus: started with accessibility off, or with it disabled.
    notOnAccessibilityBus,
    // A browser engine application that keeps its accessibility tree off.
    browserAccessibilityOff,
};

// The whole sheet of one application: menus in menu-bar order, then the system group.
struct ShortcutSheet {
    std::vector<ShortcutGroup> groups;
    // The application stopped answering during the read: the groups are what came before.
    bool notResponding = false;
    // Its menus were larger or deeper than a read takes, or looped back on themselves: the
    // groups are what fitted.
    bool cutShort = false;
    SheetGap gap = SheetGap::none;

    int itemCount() const;
};

}  // namespace holdsheet
