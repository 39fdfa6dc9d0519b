#include "harvest/ShortcutsHelpXml.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

// One line per group: "Group title: Shortcut=acc acc; Other=acc"; a translatable text is
// marked with its context as "[context]text".
std::string text(const HelpText& text) {
    std::string shown = text.text.toStdString();
    if (text.translatable) {
        shown = "[" + text.context.toStdString() + "]" + shown;
    }
    return shown;
}

std::string render(const HelpXml& help) {
    std::string out;
    for (const auto& group : help.groups) {
        out += text(group.title) + ":";
        const char* separator = " ";
        for (const auto& shortcut : group.shortcuts) {
            out += separator + text(shortcut.title) + "=" +
                   shortcut.accelerators.join(' ').toStdString();
            separator = "; ";
        }
        out += "\n";
    }
    return out;
}

QByteArray shortcut(const char* title, const char* accelerator) {
    return QByteArray("<child><object class=\"GtkShortcutsShortcut\">") +
           "<property name=\"title\">" + title + "</property>" + "<property name=\"accelerator\">" +
           accelerator + "</property></object></child>";
}

QByteArray group(const char* title, const QByteArray& shortcuts) {
    return QByteArray("<child><object class=\"GtkShortcutsGroup\">") + "<property name=\"title\">" +
           title + "</property>" + shortcuts + "</object></child>";
}

QByteArray window(const QByteArray& body) {
    return "<?xml version=\"1.0\"?><interface><object class=\"GtkShortcutsWindow\" id=\"help\">"
           "<child><object class=\"GtkShortcutsSection\">" +
           body + "</object></child></object></interface>";
}

TEST(ShortcutsHelpXml, ReadsGroupsShortcutsAndTheirTexts) {
    struct Case {
        const char* what;
        QByteArray xml;
        std::string expected;
    };
    const Case cases[] = {
        {"a group as GTK applications write it",
         R"(<interface domain="gnome-text-editor">
              <object class="GtkShortcutsWindow" id="help_overlay">
                <property name="modal">True</property>
                <child><object class="GtkShortcutsSection">
                  <property name="section-name">shortcuts</property>
                  <child><object class="GtkShortcutsGroup">
                    <property name="title" translatable="yes" context="shortcut window">Documents</property>
                    <child><object class="GtkShortcutsShortcut">
                      <property name="title" translatable="yes" context="shortcut window">New tab</property>
                      <property name="accelerator">&lt;ctrl&gt;t</property>
                    </object></child>
                    <child><object class="GtkShortcutsShortcut">
                      <property name="accelerator">&lt;Primary&gt;&lt;Shift&gt;z  &lt;ctrl&gt;y</property>
                      <property name="title" translatable="yes">Redo</property>
                    </object></child>
                  </object></child>
                </object></child>
              </object>
            </interface>)",
         "[shortcut window]Documents: [shortcut window]New tab=<ctrl>t; []Redo=<Primary><Shift>z "
         "<ctrl>y\n"},
        {"several sections and groups keep document order",
         window(group("One", shortcut("A", "a")) + group("Two", shortcut("B", "F11"))),
         "One: A=a\nTwo: B=F11\n"},
        {"nested sections, groups deep inside boxes",
         window("<child><object class=\"GtkShortcutsSection\"><child><object class=\"GtkBox\">" +
                group("Deep", shortcut("C", "&lt;alt&gt;c")) +
                "</object></child></object></child>"),
         "Deep: C=<alt>c\n"},
        {"a group without a title keeps its shortcuts",
         window("<child><object class=\"GtkShortcutsGroup\">" + shortcut("D", "d") +
                "</object></child>"),
         ": D=d\n"},
        {"a shortcut without a title keeps its keys",
         window(group("G",
                      "<child><object class=\"GtkShortcutsShortcut\"><property "
                      "name=\"accelerator\">F1</property></object></child>")),
         "G: =F1\n"},
        {"action-only shortcuts are dropped, and with them a group left empty",
         window(group("Only actions",
                      "<child><object class=\"GtkShortcutsShortcut\"><property name=\"title\">"
                      "Help</property><property name=\"action-name\">app.help</property>"
                      "</object></child>") +
                group("Mixed",
                      "<child><object class=\"GtkShortcutsShortcut\"><property "
                      "name=\"action_name\">win.x</property></object></child>" +
                          shortcut("Keep", "k"))),
         "Mixed: Keep=k\n"},
        {"gestures are not keys",
         window(group("Touch",
                      "<child><object class=\"GtkShortcutsShortcut\"><property "
                      "name=\"title\">Zoom</property><property "
                      "name=\"shortcut-type\">gesture-pinch</property><property "
                      "name=\"accelerator\">&lt;ctrl&gt;plus</property></object></child>" +
                          shortcut("Key", "k"))),
         "Touch: Key=k\n"},
        {"an empty accelerator is no accelerator", window(group("E", shortcut("Blank", "  "))), ""},
        {"translatable spellings of GtkBuilder",
         window(group("T",
                      "<child><object class=\"GtkShortcutsShortcut\"><property name=\"title\" "
                      "translatable=\"TRUE\" context=\"c\">X</property><property "
                      "name=\"accelerator\">x</property></object></child>"
                      "<child><object class=\"GtkShortcutsShortcut\"><property name=\"title\" "
                      "translatable=\"no\" context=\"c\">Y</property><property "
                      "name=\"accelerator\">y</property></object></child>")),
         "T: [c]X=x; Y=y\n"},
        {"properties of other objects and of children are not the shortcut's",
         window(group("P",
                      "<child><object class=\"GtkShortcutsShortcut\"><child><object "
                      "class=\"GtkLabel\"><property name=\"accelerator\">z</property>"
                      "<property name=\"title\">Label</property></object></child><property "
                      "name=\"title\">Real</property><property "
                      "name=\"accelerator\">r</property></object></child>")),
         "P: Real=r\n"},
        {"a shortcut outside any group belongs nowhere",
         window("<child><object class=\"GtkShortcutsShortcut\"><property "
                "name=\"accelerator\">q</property></object></child>"),
         ""},
        {"a file with no help", "<interface><object class=\"GtkWindow\"/></interface>", ""},
        {"broken XML keeps the groups finished before the fault",
         window(group("Done", shortcut("A", "a"))).chopped(30) + "<<<" +
             group("Lost", shortcut("B", "b")),
         "Done: A=a\n"},
        {"not XML at all", "GtkShortcutsShortcut \x01\x02<", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(parseShortcutsHelp(c.xml)), c.expected) << c.what;
    }
}

TEST(ShortcutsHelpXml, InterfaceDomainOnlyFromTheRootElement) {
    EXPECT_EQ(parseShortcutsHelp(R"(<interface domain="kgx"><object class="GtkShortcutsShortcut"/>
                                    </interface>)")
                  .domain,
              QString("kgx"));
    EXPECT_EQ(parseShortcutsHelp(window(group("A", shortcut("a", "a")))).domain, QString());
    EXPECT_EQ(parseShortcutsHelp("<x><interface domain=\"inner\"/>GtkShortcutsShortcut</x>").domain,
              QString());
}

TEST(ShortcutsHelpXml, HostileSizesAreCut) {
    // Too many accelerators on one shortcut: the first ones stay.
    QByteArray many;
    for (int i = 0; i < 20; ++i) {
        many += "F" + QByteArray::number(i + 1) + " ";
    }
    auto help = parseShortcutsHelp(window(group("G", shortcut("Many", many.constData()))));
    ASSERT_EQ(help.groups.size(), 1u);
    EXPECT_EQ(help.groups[0].shortcuts[0].accelerators.size(),
              help_limits::acceleratorsPerShortcut);
    EXPECT_EQ(help.groups[0].shortcuts[0].accelerators.first(), QString("F1"));

    // An accelerator text longer than any real one is no accelerator.
    const QByteArray longKey(help_limits::acceleratorChars + 1, 'k');
    EXPECT_TRUE(parseShortcutsHelp(window(group("G", shortcut("Long", longKey.constData()))))
                    .groups.empty());

    // Groups and shortcuts beyond the limits are not read; those before them are.
    QByteArray groups;
    for (int i = 0; i < help_limits::groups + 10; ++i) {
        groups += group("G", shortcut("S", "s"));
    }
    EXPECT_EQ(parseShortcutsHelp(window(groups)).groups.size(), size_t(help_limits::groups));
    QByteArray shortcuts;
    for (int i = 0; i < help_limits::shortcuts + 10; ++i) {
        shortcuts += shortcut("S", "s");
    }
    help = parseShortcutsHelp(window(group("Big", shortcuts)));
    ASSERT_EQ(help.groups.size(), 1u);
    EXPECT_EQ(help.groups[0].shortcuts.size(), size_t(help_limits::shortcuts));

    // Deep nesting stops the parse instead of growing the stack.
    QByteArray deep = window(group("Before", shortcut("A", "a")));
    deep.chop(QByteArray("</object></child></object></interface>").size());
    for (int i = 0; i < help_limits::depth * 4; ++i) {
        deep += "<child><object class=\"GtkBox\">";
    }
    deep += group("TooDeep", shortcut("B", "b"));
    EXPECT_EQ(render(parseShortcutsHelp(deep)), "Before: A=a\n");

    // A file larger than any help is not parsed at all.
    QByteArray huge = window(group("G", shortcut("S", "s")));
    huge.append(help_limits::xmlBytes, ' ');
    EXPECT_TRUE(parseShortcutsHelp(huge).groups.empty());

    // Entities that expand without end stop at the reader's limit.
    const QByteArray bomb =
        "<?xml version=\"1.0\"?><!DOCTYPE i [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c "
        "\"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e "
        "\"&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]>" +
        window(group("G", shortcut("&e;", "s")));
    help = parseShortcutsHelp(bomb);
    for (const auto& g : help.groups) {
        for (const auto& s : g.shortcuts) {
            EXPECT_LE(s.title.text.size(), 100'000);
        }
    }
}

TEST(ShortcutsHelpXml, TranslatesOnlyTranslatableTextsWithTheirContext) {
    const HelpXml help = parseShortcutsHelp(window(
        "<child><object class=\"GtkShortcutsGroup\"><property name=\"title\" translatable=\"yes\" "
        "context=\"shortcut window\">Tabs</property>"
        "<child><object class=\"GtkShortcutsShortcut\"><property name=\"title\" "
        "translatable=\"yes\" context=\"shortcut window\">New tab</property><property "
        "name=\"accelerator\">&lt;ctrl&gt;t</property></object></child>"
        "<child><object class=\"GtkShortcutsShortcut\"><property name=\"title\" "
        "translatable=\"yes\">Untranslated</property><property "
        "name=\"accelerator\">u</property></object></child>"
        "<child><object class=\"GtkShortcutsShortcut\"><property name=\"title\">Fixed</property>"
        "<property name=\"accelerator\">f</property></object></child>"
        "</object></child>"));
    std::vector<std::pair<QString, QString>> asked;
    const auto groups = translatedHelp(help, [&](const QString& context, const QString& id) {
        asked.emplace_back(context, id);
        if (context == u"shortcut window" && id == u"Tabs") {
            return QString("Reiter");
        }
        if (context == u"shortcut window" && id == u"New tab") {
            return QString("Neuer Reiter") + QString(help_limits::titleChars, QChar('x'));
        }
        if (id == u"Fixed") {
            return QString("must not be asked");
        }
        return QString();
    });
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].title, QString("Reiter"));
    ASSERT_EQ(groups[0].shortcuts.size(), 3u);
    EXPECT_EQ(groups[0].shortcuts[0].title.size(), help_limits::titleChars);
    EXPECT_TRUE(groups[0].shortcuts[0].title.startsWith(u"Neuer Reiter"));
    EXPECT_EQ(groups[0].shortcuts[0].accelerators, QStringList{"<ctrl>t"});
    EXPECT_EQ(groups[0].shortcuts[1].title, QString("Untranslated"));
    EXPECT_EQ(groups[0].shortcuts[2].title, QString("Fixed"));
    EXPECT_EQ(asked.size(), 3u);  // the fixed title is never looked up
    EXPECT_EQ(asked[2], std::make_pair(QString(), QString("Untranslated")));
}

}  // namespace
}  // namespace holdsheet
