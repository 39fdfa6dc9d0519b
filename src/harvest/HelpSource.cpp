#include "harvest/HelpSource.h"

#include "harvest/KeyNaming.h"
#include "prefs/Localization.h"

#include <QLocale>
#include <QRegularExpression>

namespace holdsheet {

namespace {

// One help entry may list several combinations, separated by spaces; a chord of keys
// pressed together ("a&b") or a range ("<alt>1...9") is not one combination.
QStringList alternativesOf(const QStringList& accelerators) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QStringList alternatives;
    for (const QString& entry : accelerators) {
        for (const QString& part : entry.split(space, Qt::SkipEmptyParts)) {
            if (alternatives.size() >= HelpSource::alternativeLimit) {
                return alternatives;
            }
            if (!part.contains(QLatin1Char('&')) && !part.contains(QLatin1String("..."))) {
                alternatives << part;
            }
        }
    }
    return alternatives;
}

}  // namespace

std::optional<ShortcutItem> helpItem(const HelpShortcut& shortcut,
                                     const Accelerators& accelerators) {
    const QString title = shortcut.title.trimmed();
    if (title.isEmpty()) {
        return std::nullopt;
    }
    for (const QString& alternative : alternativesOf(shortcut.accelerators)) {
        const auto accelerator = accelerators.parse(alternative);
        if (!accelerator) {
            continue;
        }
        auto key = keyName(accelerator->character, accelerator->virtualKey);
        if (!key) {
            continue;
        }
        ShortcutItem item;
        item.title = title;
        item.modifiers = modifierSymbols(accelerator->modifiers);
        item.key = std::move(*key);
        const bool postable = accelerator->virtualKey && *accelerator->virtualKey >= 0 &&
                              *accelerator->virtualKey <= 0xFFFF;
        item.isEnabled = postable;
        if (postable) {
            quint64 flags = flagsOfMenuModifiers(accelerator->modifiers);
            if (accelerator->typedWithShift) {
                flags |= ModifierFlag::shift;
            }
            item.action =
                ShortcutAction::keys(static_cast<std::uint16_t>(*accelerator->virtualKey), flags);
        }
        return item;
    }
    return std::nullopt;
}

std::vector<ShortcutGroup> helpGroups(const std::vector<HelpGroup>& help,
                                      const Accelerators& accelerators, const HelpTexts& texts,
                                      bool includeDisabled) {
    std::vector<ShortcutGroup> groups;
    int count = 0;
    for (const HelpGroup& helpGroup : help) {
        ShortcutGroup group;
        group.title = helpGroup.title.trimmed().isEmpty() ? texts.untitledGroup : helpGroup.title;
        group.subtitle = texts.subtitle;
        for (const HelpShortcut& shortcut : helpGroup.shortcuts) {
            if (count >= HelpSource::itemLimit) {
                break;
            }
            auto item = helpItem(shortcut, accelerators);
            if (item && (item->isEnabled || includeDisabled)) {
                group.items.push_back(std::move(*item));
                ++count;
            }
        }
        if (!group.items.empty()) {
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

QStringList helpLanguages(const QString& catalogueCode) {
    QStringList languages;
    const auto add = [&languages](const QString& language) {
        if (!language.isEmpty() && language != QLatin1String("C") &&
            !languages.contains(language)) {
            languages << language;
        }
    };
    // Chinese catalogues name the script; translations of applications name the country.
    add(QLocale(catalogueCode).name());
    const QString underscored = QString(catalogueCode).replace(QLatin1Char('-'), QLatin1Char('_'));
    if (!underscored.contains(QLatin1String("Han"))) {
        add(underscored);
    }
    add(catalogueCode.section(QLatin1Char('-'), 0, 0));
    return languages;
}

SourceReading HelpSource::read(pid_t pid, const ReadSettings& settings) const {
    const auto bundle = localization_.languageBundle();
    const QString code = bundle ? bundle->code() : QStringLiteral("en");
    const ShortcutsHelp::Reading help = help_.read(pid, helpLanguages(code));
    SourceReading reading;
    if (help.outcome != ShortcutsHelp::Outcome::read) {
        reading.found = SourceReading::Found::absent;
        return reading;
    }
    const HelpTexts texts{localization_.localized(QStringLiteral("group.help")),
                          localization_.localized(QStringLiteral("group.fromHelp"))};
    reading.groups = helpGroups(help.groups, accelerators_, texts, settings.showDisabled);
    if (reading.groups.empty()) {
        reading.found = SourceReading::Found::absent;
    }
    return reading;
}

}  // namespace holdsheet
