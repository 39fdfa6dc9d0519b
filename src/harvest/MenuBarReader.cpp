#include "harvest/MenuBarReader.h"

#include "harvest/AccessibilityReaders.h"
#include "harvest/KeyNaming.h"

namespace holdsheet {

std::vector<ShortcutGroup> MenuBarReader::readMenus(pid_t pid, bool includeDisabled) {
    const AXElementRef application = ax_.createApplication(pid);
    ax_.setMessagingTimeout(application, messagingTimeout);
    auto groups = readMenuBar(application, includeDisabled);
    timedOut_ = ax_.hasTimedOut(application);
    cutShort_ = ax_.wasCutShort(application);
    return groups;
}

SourceReading MenuBarSource::read(pid_t pid, const ReadSettings& settings) const {
    MenuBarReader reader(ax_);
    SourceReading reading;
    reading.groups = reader.readMenus(pid, settings.showDisabled);
    reading.found = reader.found();
    reading.notResponding = reader.timedOut();
    reading.cutShort = reader.cutShort();
    return reading;
}

std::vector<ShortcutGroup> MenuBarReader::readMenuBar(const AXElementRef& application,
                                                      bool includeDisabled) {
    AXValue menuBarValue;
    const AXError error =
        ax_.copyAttributeValue(application, QStringLiteral("AXMenuBar"), menuBarValue);
    // A call that ran out of time is an application that did not answer, not one without
    // a menu bar: that is what the timeout flag tells.
    found_ = error == AXError::invalidElement   ? SourceReading::Found::unreachable
             : error == AXError::cannotComplete ? SourceReading::Found::read
                                                : SourceReading::Found::absent;
    if (error != AXError::success) {
        return {};
    }
    const auto* menuBar = std::get_if<AXElementRef>(&menuBarValue.data);
    if (!menuBar || !*menuBar) {
        return {};
    }
    found_ = SourceReading::Found::read;

    const std::vector<AXElementRef> menus = childElements(ax_, *menuBar);
    std::vector<ShortcutGroup> groups;
    int count = 0;
    for (const AXElementRef& menu : menus) {
        const QString title =
            stringAttribute(ax_, menu, QStringLiteral("AXTitle")).value_or(QString());
        if (title.isEmpty()) {
            continue;
        }
        std::vector<ShortcutItem> items;
        QSet<QString> seen;
        collectItems(menu, 0, includeDisabled, items, seen, count);
        if (!items.empty()) {
            ShortcutGroup group;
            group.title = title;
            group.items = std::move(items);
            groups.push_back(std::move(group));
        }
        // Checked only after a whole menu, so no menu is ever cut in the middle.
        if (count >= itemLimit) {
            break;
        }
    }
    return groups;
}

void MenuBarReader::collectItems(const AXElementRef& element, int depth, bool includeDisabled,
                                 std::vector<ShortcutItem>& items, QSet<QString>& seen,
                                 int& count) {
    if (depth > maximumDepth) {
        return;
    }
    for (const AXElementRef& child : childElements(ax_, element)) {
        const QString role =
            stringAttribute(ax_, child, QStringLiteral("AXRole")).value_or(QString());
        if (role == QLatin1String("AXMenu")) {
            collectItems(child, depth + 1, includeDisabled, items, seen, count);
        } else if (role == QLatin1String("AXMenuItem")) {
            if (auto item = makeItem(child, includeDisabled)) {
                const QString key = item->title + QLatin1Char('|') + item->modifiers + item->key;
                if (!seen.contains(key)) {
                    seen.insert(key);
                    items.push_back(std::move(*item));
                    ++count;
                }
            }
            // A submenu hangs from its item: its items follow the item itself.
            collectItems(child, depth + 1, includeDisabled, items, seen, count);
        }
    }
}

std::optional<ShortcutItem> MenuBarReader::makeItem(const AXElementRef& element,
                                                    bool includeDisabled) {
    const QString title =
        stringAttribute(ax_, element, QStringLiteral("AXTitle")).value_or(QString()).trimmed();
    if (title.isEmpty()) {
        return std::nullopt;
    }
    const auto character = stringAttribute(ax_, element, QStringLiteral("AXMenuItemCmdChar"));
    const auto virtualKey = intAttribute(ax_, element, QStringLiteral("AXMenuItemCmdVirtualKey"));
    auto key = keyName(character, virtualKey);
    if (!key) {
        return std::nullopt;
    }
    // No mask means Command alone.
    const qint64 mask =
        intAttribute(ax_, element, QStringLiteral("AXMenuItemCmdModifiers")).value_or(0);
    // A flag that cannot be read counts as enabled: better a live row than a lost one.
    const bool enabled = boolAttribute(ax_, element, QStringLiteral("AXEnabled")).value_or(true);
    if (!enabled && !includeDisabled) {
        return std::nullopt;
    }
    ShortcutItem item;
    item.title = title;
    item.modifiers = modifierSymbols(mask);
    item.key = std::move(*key);
    item.isEnabled = enabled;
    item.action = ShortcutAction::menu(AXBox{element});
    return item;
}

}  // namespace holdsheet
