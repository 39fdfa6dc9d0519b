#include "platform/x11/OpenboxKeyBindings.h"

#include "platform/SystemHotKeys.h"

#include <QXmlStreamReader>

namespace holdsheet {

namespace {

constexpr int maximumDepth = 32;
constexpr qsizetype maximumTextLength = 4096;

// What a keybind's first action says, read from its child elements.
struct Action {
    QString name;
    QString argument;     // where it goes: desktop, menu, direction
    QString command;      // Execute's command line
    QString programName;  // Execute's startup-notification name
};

class Reader {
  public:
    explicit Reader(const QByteArray& text) : xml_(text) {}

    std::optional<std::vector<DesktopBinding>> read() {
        if (!nextElement() || xml_.name() != u"openbox_config") {
            return std::nullopt;
        }
        while (nextElement(1)) {
            if (xml_.name() == u"keyboard") {
                readKeyboard();
            } else {
                skip();
            }
        }
        if (xml_.hasError() || failed_) {
            return std::nullopt;
        }
        return std::move(bindings_);
    }

  private:
    // The next start element at `depth` (elements below it skipped); false at the end of
    // the element at depth - 1, at the end of the text or on an error.
    bool nextElement(int depth = 0) {
        while (!xml_.atEnd() && !failed_) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (++depth_ > maximumDepth) {
                    failed_ = true;
                    return false;
                }
                if (depth_ == depth + 1) {
                    return true;
                }
            } else if (token == QXmlStreamReader::EndElement) {
                if (--depth_ < depth) {
                    return false;
                }
            }
        }
        return false;
    }
    // Skips the rest of the element just started.
    void skip() {
        const int depth = depth_;
        while (nextElement(depth)) {
        }
    }
    QString text() {
        const QString value = xml_.readElementText(QXmlStreamReader::SkipChildElements);
        --depth_;
        return value.left(maximumTextLength).simplified();
    }

    void readKeyboard() {
        const int depth = depth_;
        while (nextElement(depth)) {
            if (xml_.name() == u"keybind" && bindings_.size() < maximumDesktopBindings) {
                readKeybind();
            } else {
                skip();
            }
        }
    }

    void readKeybind() {
        const QString chord = xml_.attributes().value(QLatin1String("key")).toString();
        const int depth = depth_;
        bool chain = false;
        std::optional<Action> action;
        while (nextElement(depth)) {
            if (xml_.name() == u"keybind") {
                chain = true;
                skip();
            } else if (xml_.name() == u"action" && !action) {
                action = readAction();
            } else {
                skip();
            }
        }
        if (chain || !action || chord.size() > maximumKeyTextLength) {
            return;
        }
        if (auto key = openboxKey(chord)) {
            bindings_.push_back(bindingFor(*action, *key));
        }
    }

    Action readAction() {
        Action action;
        action.name = xml_.attributes().value(QLatin1String("name")).toString().left(64);
        const int depth = depth_;
        while (nextElement(depth)) {
            const auto name = xml_.name();
            if (name == u"command" || name == u"execute") {
                action.command = text();
            } else if (name == u"startupnotify") {
                const int notify = depth_;
                while (nextElement(notify)) {
                    if (xml_.name() == u"name") {
                        action.programName = text();
                    } else {
                        skip();
                    }
                }
            } else if (name == u"to" || name == u"desktop" || name == u"menu" ||
                       name == u"direction" || name == u"edge") {
                const QString value = text();
                static const QStringList yesOrNo{"yes", "no", "true", "false", "on", "off"};
                if (action.argument.isEmpty() && !yesOrNo.contains(value, Qt::CaseInsensitive)) {
                    action.argument = value;
                }
            } else {
                skip();
            }
        }
        return action;
    }

    static DesktopBinding bindingFor(const Action& action, const MenuKey& key) {
        DesktopBinding binding;
        binding.key = key;
        const QString name = action.name.toLower();
        const QString argument = action.argument.toLower();
        if (name == u"toggleshowdesktop" || name == u"showdesktop") {
            binding.hotKeyId = SymbolicHotKey::showDesktop;
        } else if ((name == u"gotodesktop" && argument == u"left") || name == u"desktopleft") {
            binding.hotKeyId = SymbolicHotKey::workspaceLeft;
        } else if ((name == u"gotodesktop" && argument == u"right") || name == u"desktopright") {
            binding.hotKeyId = SymbolicHotKey::workspaceRight;
        }
        if (name == u"execute") {
            binding.title = !action.programName.isEmpty() ? action.programName : action.command;
        }
        if (binding.title.isEmpty()) {
            binding.title = wordsOfIdentifier(action.name);
            if (!action.argument.isEmpty()) {
                binding.title += QLatin1Char(' ') + action.argument;
            }
        }
        return binding;
    }

    QXmlStreamReader xml_;
    int depth_ = 0;
    bool failed_ = false;
    std::vector<DesktopBinding> bindings_;
};

}  // namespace

std::optional<MenuKey> openboxKey(const QString& chord) {
    const QStringList parts = chord.trimmed().split(QLatin1Char('-'));
    QString accelerator;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString modifier = parts.at(i).toLower();
        if (modifier == u"s") {
            accelerator += QLatin1String("<Shift>");
        } else if (modifier == u"c") {
            accelerator += QLatin1String("<Control>");
        } else if (modifier == u"a" || modifier == u"m" || modifier == u"mod1") {
            accelerator += QLatin1String("<Alt>");
        } else if (modifier == u"w" || modifier == u"mod4") {
            accelerator += QLatin1String("<Super>");
        } else {
            return std::nullopt;
        }
    }
    const QString keyName = parts.back();
    if (keyName.isEmpty() || keyName.contains(QLatin1Char('<'))) {
        return std::nullopt;
    }
    return parseAccelerator(accelerator + keyName);
}

std::optional<std::vector<DesktopBinding>> openboxKeyBindings(const QByteArray& rcXml) {
    return Reader(rcXml).read();
}

}  // namespace holdsheet
