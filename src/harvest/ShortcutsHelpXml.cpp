#include "harvest/ShortcutsHelpXml.h"

#include <QXmlStreamReader>

#include <string_view>

namespace holdsheet {

namespace {

bool builderBoolean(QStringView value) {
    // GtkBuilder's own spelling of truth.
    static const QStringList truths{QStringLiteral("1"), QStringLiteral("y"), QStringLiteral("yes"),
                                    QStringLiteral("t"), QStringLiteral("true")};
    for (const auto& truth : truths) {
        if (value.compare(truth, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

// GtkBuilder takes "action_name" for "action-name".
QString propertyName(QStringView name) {
    QString canonical = name.toString();
    canonical.replace(QLatin1Char('_'), QLatin1Char('-'));
    return canonical;
}

QStringList acceleratorList(const QString& text) {
    if (text.size() > help_limits::acceleratorChars) {
        return {};
    }
    QStringList accelerators = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (accelerators.size() > help_limits::acceleratorsPerShortcut) {
        accelerators.resize(help_limits::acceleratorsPerShortcut);
    }
    return accelerators;
}

enum class Frame { group, shortcut, object, other };

class Parser {
  public:
    explicit Parser(QByteArrayView xml) : reader_(QByteArray::fromRawData(xml.data(), xml.size())) {
        reader_.setEntityExpansionLimit(1024);
    }

    HelpXml parse() {
        while (!reader_.atEnd() && !full_) {
            switch (reader_.readNext()) {
                case QXmlStreamReader::StartElement:
                    if (!start()) {
                        return std::move(help_);
                    }
                    break;
                case QXmlStreamReader::EndElement:
                    end();
                    break;
                default:
                    break;
            }
        }
        return std::move(help_);
    }

  private:
    bool start() {
        const auto name = reader_.name();
        const auto attributes = reader_.attributes();
        if (name == u"interface" && frames_.empty()) {
            help_.domain =
                attributes.value(QLatin1String("domain")).toString().left(help_limits::titleChars);
        }
        if (name == u"property" && !frames_.empty() && frames_.back() != Frame::other) {
            property(propertyName(attributes.value(QLatin1String("name"))),
                     attributes.value(QLatin1String("context")).toString(),
                     builderBoolean(attributes.value(QLatin1String("translatable"))));
            return !reader_.hasError();
        }
        if (frames_.size() >= help_limits::depth) {
            return false;
        }
        Frame frame = Frame::other;
        if (name == u"object" || name == u"template") {
            const auto className = attributes.value(QLatin1String("class"));
            if (className == u"GtkShortcutsGroup") {
                frame = Frame::group;
                groups_.emplace_back();
            } else if (className == u"GtkShortcutsShortcut") {
                frame = Frame::shortcut;
                shortcuts_.emplace_back();
                gesture_.push_back(false);
            } else {
                frame = Frame::object;
            }
        }
        frames_.push_back(frame);
        return true;
    }

    // Reads the property's text; the property's end element is consumed with it.
    void property(const QString& name, const QString& context, bool translatable) {
        const QString text = reader_.readElementText(QXmlStreamReader::SkipChildElements);
        const Frame owner = frames_.back();
        if (owner == Frame::shortcut) {
            auto& shortcut = shortcuts_.back();
            if (name == u"title") {
                shortcut.title = {text, context, translatable};
            } else if (name == u"accelerator") {
                shortcut.accelerators = acceleratorList(text);
            } else if (name == u"shortcut-type") {
                // A gesture's help shows a picture; any accelerator beside it is unused.
                gesture_.back() = text.trimmed().startsWith(u"gesture");
            }
        } else if (owner == Frame::group && name == u"title") {
            groups_.back().title = {text, context, translatable};
        }
    }

    void end() {
        if (frames_.empty()) {
            return;
        }
        const Frame frame = frames_.back();
        frames_.pop_back();
        if (frame == Frame::shortcut) {
            HelpXmlShortcut shortcut = std::move(shortcuts_.back());
            const bool gesture = gesture_.back();
            shortcuts_.pop_back();
            gesture_.pop_back();
            if (!gesture && !shortcut.accelerators.isEmpty() && !groups_.empty()) {
                groups_.back().shortcuts.push_back(std::move(shortcut));
                if (++shortcutCount_ >= help_limits::shortcuts) {
                    closeAllGroups();
                }
            }
        } else if (frame == Frame::group) {
            closeGroup();
        }
    }

    void closeGroup() {
        HelpXmlGroup group = std::move(groups_.back());
        groups_.pop_back();
        if (!group.shortcuts.empty()) {
            help_.groups.push_back(std::move(group));
            full_ = help_.groups.size() >= help_limits::groups;
        }
    }

    // At the shortcut limit: keep what the open groups hold, then stop.
    void closeAllGroups() {
        while (!groups_.empty() && !full_) {
            closeGroup();
        }
        full_ = true;
    }

    QXmlStreamReader reader_;
    HelpXml help_;
    std::vector<Frame> frames_;
    std::vector<HelpXmlGroup> groups_;  // open, innermost last
    std::vector<HelpXmlShortcut> shortcuts_;
    std::vector<bool> gesture_;
    int shortcutCount_ = 0;
    bool full_ = false;
};

QString translated(const HelpText& text, const HelpTranslator& translate) {
    QString result;
    if (text.translatable && !text.text.isEmpty() && translate) {
        result = translate(text.context, text.text);
    }
    if (result.isEmpty()) {
        result = text.text;
    }
    return result.left(help_limits::titleChars);
}

}  // namespace

bool mentionsShortcutsHelp(QByteArrayView xml) {
    return std::string_view(xml.data(), static_cast<size_t>(xml.size()))
               .find("GtkShortcutsShortcut") != std::string_view::npos;
}

HelpXml parseShortcutsHelp(QByteArrayView xml) {
    if (xml.size() > help_limits::xmlBytes || !mentionsShortcutsHelp(xml)) {
        return {};
    }
    return Parser(xml).parse();
}

std::vector<HelpGroup> translatedHelp(const HelpXml& help, const HelpTranslator& translate) {
    std::vector<HelpGroup> groups;
    groups.reserve(help.groups.size());
    for (const auto& group : help.groups) {
        HelpGroup out{translated(group.title, translate), {}};
        for (const auto& shortcut : group.shortcuts) {
            out.shortcuts.push_back({translated(shortcut.title, translate), shortcut.accelerators});
        }
        groups.push_back(std::move(out));
    }
    return groups;
}

}  // namespace holdsheet
