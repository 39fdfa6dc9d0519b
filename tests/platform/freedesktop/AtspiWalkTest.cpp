// The walk of an application's tree as the menu reader drives it, on replies played back from
// a tree that an application might describe, including ones no honest application would; and
// the decoding of single replies, built and marshalled as the bus would deliver them.
#include "harvest/MenuBarReader.h"
#include "platform/freedesktop/AtspiAccessibility.h"
#include "platform/freedesktop/AtspiBus.h"
#include "platform/freedesktop/AtspiChannel.h"

#include "support/AtspiReplyBuilder.h"

#include <gtest/gtest.h>

#include <map>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

constexpr pid_t pid = 4242;
const char* const busName = ":1.5";
const std::string root = "/org/a11y/atspi/accessible/root";

struct Element {
    dbus_uint32_t role = 0;
    std::string name;
    std::string binding;
    std::vector<std::string> children;
};

// Answers from a tree of elements, as an application on the bus would.
class TreeChannel : public AtspiChannel {
  public:
    std::string toolkit = "GTK";
    std::string address;
    std::map<std::string, Element> elements;
    int calls = 0;
    std::vector<std::pair<QString, DBusPipe::Credentials>> peersOpened;

    std::vector<AtspiBus::Reply> run(const std::vector<AtspiBus::Call>& batch, int) override {
        std::vector<AtspiBus::Reply> replies;
        for (const auto& call : batch) {
            ++calls;
            replies.push_back(answer(call));
        }
        return replies;
    }
    void send(const AtspiBus::Call&) override {}
    QStringList applicationsOf(pid_t of) override {
        return of == pid ? QStringList{busName} : QStringList{};
    }
    std::shared_ptr<AtspiChannel> openPeer(const QString& at,
                                           const DBusPipe::Credentials& owner) override {
        peersOpened.emplace_back(at, owner);
        return nullptr;
    }

  private:
    AtspiBus::Reply answer(const AtspiBus::Call& call) {
        const std::string path = call.path.toStdString();
        const QString& method = call.method;
        if (method == "GetConnectionUnixUser") {
            return reply([](auto& i) { appendUnsigned(i, 1000); });
        }
        if (method == "GetApplicationBusAddress") {
            return reply([&](auto& i) { appendText(i, DBUS_TYPE_STRING, address.c_str()); });
        }
        if (method == "Get" && call.arguments.value(1).toString() == "ToolkitName") {
            return text(toolkit, true);
        }
        const auto found = elements.find(path);
        if (found == elements.end()) {
            return reply({}, true);
        }
        const Element& element = found->second;
        if (method == "GetChildren") {
            std::vector<std::pair<std::string, std::string>> references;
            for (const auto& child : element.children) {
                references.emplace_back(busName, child);
            }
            return reply([&](auto& i) { appendReferences(i, references); });
        }
        if (method == "GetRole") {
            return reply([&](auto& i) { appendUnsigned(i, element.role); });
        }
        if (method == "Get") {
            return text(element.name, true);
        }
        if (method == "GetState") {
            // Active, enabled, sensitive, showing and visible.
            return reply([](auto& i) {
                appendStates(i, {(1U << 1) | (1U << 8) | (1U << 24) | (1U << 25) | (1U << 30), 0});
            });
        }
        if (method == "GetKeyBinding") {
            return text(element.binding, false);
        }
        if (method == "GetExtents") {
            return reply([](auto& i) { appendExtents(i, 300, 20); });
        }
        return reply({}, true);
    }
    static AtspiBus::Reply text(const std::string& value, bool asProperty) {
        const Append plain = [&](DBusMessageIter& i) {
            appendText(i, DBUS_TYPE_STRING, value.c_str());
        };
        return asProperty ? reply([&](auto& i) { appendVariant(i, "s", plain); }) : reply(plain);
    }
};

constexpr dbus_uint32_t frame = 23, menuBar = 34, menu = 33, menuItem = 35, popupMenu = 41;

class Walk : public ::testing::Test {
  protected:
    Walk() : channel(std::make_shared<TreeChannel>()), ax(channel) {
        tree()[root] = {0, "app", "", {"/frame"}};
        tree()["/frame"] = {frame, "Window", "", {"/bar"}};
        tree()["/bar"] = {menuBar, "", "", {"/file"}};
        tree()["/file"] = {menu, "File", "", {"/open"}};
        tree()["/open"] = {menuItem, "Open", "o;<Alt>f:o;<Primary>o", {}};
    }
    std::map<std::string, Element>& tree() { return channel->elements; }

    // "Menu: Item Key, ..." per group.
    std::vector<std::string> read() {
        MenuBarReader reader(ax);
        std::vector<std::string> lines;
        for (const auto& group : reader.readMenus(pid, true)) {
            std::string line = group.title.toStdString() + ":";
            for (const auto& item : group.items) {
                line += " " + item.title.left(12).toStdString() + " " +
                        (item.modifiers + item.key).toStdString();
            }
            lines.push_back(line);
        }
        cutShort = reader.cutShort();
        return lines;
    }

    std::shared_ptr<TreeChannel> channel;
    AtspiAccessibility ax;
    bool cutShort = false;
};

using Lines = std::vector<std::string>;

// Qt hangs submenus from items: an item whose children are itself, a hundred times over.
TEST_F(Walk, AnItemListingItselfIsReadOnceAndTheSheetMarked) {
    channel->toolkit = "Qt";
    tree()["/file"] = {menuItem, "File", "Alt+F", {"/popup"}};
    tree()["/popup"] = {popupMenu, "", "", {"/open", "/loop"}};
    tree()["/open"] = {menuItem, "Open", "Ctrl+O", {}};
    tree()["/loop"] = {menuItem, "Loop", "Ctrl+L", std::vector<std::string>(100, "/loop")};
    tree()["/loop"].children.push_back("/open");
    EXPECT_EQ(read(), (Lines{"File: Open ⌃O Loop ⌃L"}));
    EXPECT_TRUE(cutShort);
    EXPECT_LT(channel->calls, 60) << "each element asked once";
}

TEST_F(Walk, AMenuContainingItselfOrItsBarIsReadOnceAndTheSheetMarked) {
    tree()["/bar"].children = {"/file", "/edit"};
    tree()["/file"].children = {"/open", "/file", "/bar", "/frame", "/open"};
    tree()["/edit"] = {menu, "Edit", "", {"/file", "/copy"}};
    tree()["/copy"] = {menuItem, "Copy", ";;<Primary>c", {}};
    EXPECT_EQ(read(), (Lines{"File: Open ⌃O", "Edit: Copy ⌃C"}));
    EXPECT_TRUE(cutShort);
}

// A submenu shared by two menus is one element: it shows under the first, and nothing was
// left unread, so the sheet is whole.
TEST_F(Walk, AnHonestTreeIsReadWholeAndASharedSubmenuShowsOnceWithoutMarkingTheSheet) {
    tree()["/bar"].children = {"/file", "/edit"};
    tree()["/file"].children.push_back("/shared");
    tree()["/edit"] = {menu, "Edit", "", {"/shared", "/copy"}};
    tree()["/shared"] = {menu, "Recent", "", {"/clear"}};
    tree()["/clear"] = {menuItem, "Clear", ";;<Primary>k", {}};
    tree()["/copy"] = {menuItem, "Copy", ";;<Primary>c", {}};
    EXPECT_EQ(read(), (Lines{"File: Open ⌃O Clear ⌃K", "Edit: Copy ⌃C"}));
    EXPECT_FALSE(cutShort);
}

TEST_F(Walk, HugeTextsAreCutWhereTheyAreDecoded) {
    tree()["/file"].children = {"/long", "/bound"};
    tree()["/long"] = {menuItem, std::string(1 << 20, 'T'), ";;<Primary>t", {}};
    std::string binding;
    while (binding.size() < (1 << 20)) {
        binding += "<Primary>";
    }
    tree()["/bound"] = {menuItem, "Bound", ";;" + binding + "b", {}};
    MenuBarReader reader(ax);
    const auto groups = reader.readMenus(pid, true);
    ASSERT_EQ(groups.size(), 1U);
    ASSERT_GE(groups[0].items.size(), 1U);
    EXPECT_EQ(groups[0].items[0].title.size(), AtspiBus::textBytes);
    for (const auto& item : groups[0].items) {
        EXPECT_LE(item.title.size(), AtspiBus::textBytes);
    }
    EXPECT_TRUE(reader.cutShort());
}

TEST_F(Walk, AWideMenuStopsAtItsBound) {
    tree()["/bar"].children = {"/wide"};
    tree()["/wide"] = {menu, "Wide", "", {}};
    for (int i = 0; i < AtspiBus::referencesPerReply + 100; ++i) {
        const std::string path = "/w" + std::to_string(i);
        tree()["/wide"].children.push_back(path);
        tree()[path] = {menuItem, "W" + std::to_string(i), ";;<Primary>w", {}};
    }
    const auto lines = read();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(cutShort) << "more children than one reply may bring";
    // One "⌃" (its UTF-8 lead byte) per item read.
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '\xe2'), AtspiBus::referencesPerReply);
}

TEST_F(Walk, OnlyASocketAddressIsOpenedAndOnlyForTheApplicationItself) {
    for (const char* refused : {"unixexec:path=/bin/sh,argv1=-c,argv2=touch%20/tmp/x",
                                "tcp:host=127.0.0.1,port=4000", "autolaunch:"}) {
        channel->address = refused;
        EXPECT_EQ(read(), (Lines{"File: Open ⌃O"})) << refused << ": read over the bus";
    }
    EXPECT_TRUE(channel->peersOpened.empty());
    channel->address = "unix:path=/run/user/1000/at-spi/bus%2d1";
    read();
    ASSERT_EQ(channel->peersOpened.size(), 1U);
    EXPECT_EQ(channel->peersOpened[0].first, "unix:path=/run/user/1000/at-spi/bus-1");
    EXPECT_EQ(channel->peersOpened[0].second.pid, pid);
    EXPECT_EQ(channel->peersOpened[0].second.uid, 1000U);
}

TEST(AtspiReplies, ScalarValuesPlainOrAsProperties) {
    const Append text = [](DBusMessageIter& i) { appendText(i, DBUS_TYPE_STRING, "Save "); };
    const Append number = [](DBusMessageIter& i) {
        const dbus_uint32_t role = 35;
        dbus_message_iter_append_basic(&i, DBUS_TYPE_UINT32, &role);
    };
    EXPECT_EQ(AtspiBus::textValue(reply(text)), QStringLiteral("Save "));
    EXPECT_EQ(AtspiBus::textValue(reply([&](auto& i) { appendVariant(i, "s", text); })),
              QStringLiteral("Save "));
    EXPECT_EQ(AtspiBus::unsignedValue(reply(number)), 35U);
    EXPECT_EQ(AtspiBus::unsignedValue(reply([&](auto& i) { appendVariant(i, "u", number); })), 35U);
    // A value of another type, an error or an empty reply is no value.
    EXPECT_FALSE(AtspiBus::textValue(reply(number)));
    EXPECT_FALSE(AtspiBus::unsignedValue(reply(text)));
    EXPECT_FALSE(AtspiBus::textValue(reply(text, true)));
    EXPECT_FALSE(AtspiBus::unsignedValue(reply([](auto&) {})));
    EXPECT_FALSE(AtspiBus::textValue(AtspiBus::Reply{}));
}

TEST(AtspiReplies, StateSets) {
    struct Case {
        std::vector<dbus_uint32_t> words;
        std::optional<quint64> states;
    };
    const Case cases[] = {
        {{1U << 25, 0}, quint64{1} << 25},
        {{(1U << 30) | (1U << 8), 1U << 10}, (quint64{1} << 30) | (1U << 8) | (quint64{1} << 42)},
        {{7}, 7},
        {{}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AtspiBus::stateValue(reply([&](auto& i) { appendStates(i, c.words); })),
                  c.states);
    }
}

TEST(AtspiReplies, CacheItemsKeepNameRoleAndStates) {
    bool cut = false;
    const auto items = AtspiBus::cacheItems(
        reply([](DBusMessageIter& i) {
            DBusMessageIter array;
            dbus_message_iter_open_container(&i, DBUS_TYPE_ARRAY, "((so)(so)(so)iiassusau)",
                                             &array);
            DBusMessageIter entry;
            dbus_message_iter_open_container(&array, DBUS_TYPE_STRUCT, nullptr, &entry);
            appendReference(entry, ":1.7", "/org/a11y/atspi/accessible/12");
            appendReference(entry, ":1.7", "/org/a11y/atspi/accessible/root");
            appendReference(entry, ":1.7", "/org/a11y/atspi/accessible/11");
            for (const dbus_int32_t number : {-1, 3}) {  // index in parent, child count
                dbus_message_iter_append_basic(&entry, DBUS_TYPE_INT32, &number);
            }
            DBusMessageIter interfaces;
            dbus_message_iter_open_container(&entry, DBUS_TYPE_ARRAY, "s", &interfaces);
            appendText(interfaces, DBUS_TYPE_STRING, "org.a11y.atspi.Accessible");
            dbus_message_iter_close_container(&entry, &interfaces);
            appendText(entry, DBUS_TYPE_STRING, "Edit");
            appendUnsigned(entry, 33);
            appendText(entry, DBUS_TYPE_STRING, "a description");
            appendStates(entry, {1U << 8, 1U << 10});
            dbus_message_iter_close_container(&array, &entry);
            dbus_message_iter_close_container(&i, &array);
        }),
        10, cut);
    EXPECT_FALSE(cut);
    ASSERT_EQ(items.size(), 1U);
    EXPECT_EQ(items[0].busName, QStringLiteral(":1.7"));
    EXPECT_EQ(items[0].path, QStringLiteral("/org/a11y/atspi/accessible/12"));
    EXPECT_EQ(items[0].name, QStringLiteral("Edit"));
    EXPECT_EQ(items[0].role, 33U);
    EXPECT_EQ(items[0].states, (quint64{1} << 8) | (quint64{1} << 42));
}

TEST(AtspiReplies, TextsAreCutAtACharacterWithinTheirBound) {
    struct Case {
        std::string text;
        int maxBytes;
        std::string kept;
        bool cut;
    };
    const Case cases[] = {
        {"Save", 4, "Save", false},
        {"Saves", 4, "Save", true},
        {"ab\u00e9", 3, "ab", true},  // é is two bytes: not cut in half
        {"a\u20ac", 3, "a", true},    // € is three
        {"\u20ac\u20ac", 6, "\u20ac\u20ac", false},
        {std::string(1 << 20, 'x'), AtspiBus::textBytes, std::string(AtspiBus::textBytes, 'x'),
         true},
    };
    for (const Case& c : cases) {
        bool cut = false;
        const auto text = AtspiBus::textValue(
            reply([&](auto& i) { appendText(i, DBUS_TYPE_STRING, c.text.c_str()); }), c.maxBytes,
            cut);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->toStdString(), c.kept) << c.text.substr(0, 20);
        EXPECT_EQ(cut, c.cut) << c.text.substr(0, 20);
    }
}

TEST(AtspiReplies, ChildReferencesInOrderWithoutOverlongOnes) {
    const std::string longPath = "/" + std::string(AtspiBus::pathBytes, 'p');
    const std::string longName = ":" + std::string(AtspiBus::nameBytes, '1');
    const std::vector<std::pair<std::string, std::string>> given{
        {":1.7", "/accessible/9"}, {":1.7", longPath}, {longName, "/b"}, {":1.8", "/atspi/null"}};
    bool cut = false;
    const auto kept =
        AtspiBus::references(reply([&](auto& i) { appendReferences(i, given); }), cut);
    const std::vector<std::pair<QString, QString>> expected{{":1.7", "/accessible/9"},
                                                            {":1.8", "/atspi/null"}};
    EXPECT_EQ(kept, expected);
    EXPECT_TRUE(cut);

    cut = false;
    AtspiBus::references(reply([&](auto& i) { appendReferences(i, {{":1.7", "/a"}}); }), cut);
    EXPECT_FALSE(cut);
    // Not a list of references: nothing.
    EXPECT_TRUE(AtspiBus::references(reply([](DBusMessageIter& i) {
                    appendText(i, DBUS_TYPE_STRING, "/org/a11y/atspi/accessible/9");
                })).empty());
}

}  // namespace
}  // namespace holdsheet
