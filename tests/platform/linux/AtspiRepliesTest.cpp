// The decoding of accessibility replies, on messages built and marshalled as the bus would
// deliver them.
#include "platform/linux/AtspiBus.h"

#include "support/AtspiReplyBuilder.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

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

TEST(AtspiReplies, ChildReferencesInOrder) {
    const auto children = AtspiBus::references(reply([](DBusMessageIter& i) {
        DBusMessageIter array;
        dbus_message_iter_open_container(&i, DBUS_TYPE_ARRAY, "(so)", &array);
        appendReference(array, ":1.7", "/org/a11y/atspi/accessible/9");
        appendReference(array, ":1.8", "/org/a11y/atspi/null");
        dbus_message_iter_close_container(&i, &array);
    }));
    const std::vector<std::pair<QString, QString>> expected{
        {":1.7", "/org/a11y/atspi/accessible/9"}, {":1.8", "/org/a11y/atspi/null"}};
    EXPECT_EQ(children, expected);
    // Not a list of references: nothing.
    EXPECT_TRUE(AtspiBus::references(reply([](DBusMessageIter& i) {
                    appendText(i, DBUS_TYPE_STRING, "/org/a11y/atspi/accessible/9");
                })).empty());
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
            const dbus_int32_t index = -1, childCount = 3;
            dbus_message_iter_append_basic(&entry, DBUS_TYPE_INT32, &index);
            dbus_message_iter_append_basic(&entry, DBUS_TYPE_INT32, &childCount);
            DBusMessageIter interfaces;
            dbus_message_iter_open_container(&entry, DBUS_TYPE_ARRAY, "s", &interfaces);
            appendText(interfaces, DBUS_TYPE_STRING, "org.a11y.atspi.Accessible");
            dbus_message_iter_close_container(&entry, &interfaces);
            appendText(entry, DBUS_TYPE_STRING, "Edit");
            const dbus_uint32_t role = 33;
            dbus_message_iter_append_basic(&entry, DBUS_TYPE_UINT32, &role);
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

TEST(AtspiReplies, ReferenceListsEndAtTheirBoundAndOverlongOnesAreDropped) {
    std::vector<std::pair<std::string, std::string>> many(AtspiBus::referencesPerReply + 5,
                                                          {":1.7", "/a"});
    bool cut = false;
    EXPECT_EQ(AtspiBus::references(reply([&](auto& i) { appendReferences(i, many); }), cut).size(),
              std::size_t(AtspiBus::referencesPerReply));
    EXPECT_TRUE(cut);

    const std::string longPath = "/" + std::string(AtspiBus::pathBytes, 'p');
    const std::string longName = ":" + std::string(AtspiBus::nameBytes, '1');
    cut = false;
    const auto kept = AtspiBus::references(
        reply([&](auto& i) {
            appendReferences(
                i, {{":1.7", "/a"}, {":1.7", longPath}, {longName, "/b"}, {":1.7", "/c"}});
        }),
        cut);
    const std::vector<std::pair<QString, QString>> expected{{":1.7", "/a"}, {":1.7", "/c"}};
    EXPECT_EQ(kept, expected);
    EXPECT_TRUE(cut);

    cut = false;
    AtspiBus::references(reply([&](auto& i) { appendReferences(i, {{":1.7", "/a"}}); }), cut);
    EXPECT_FALSE(cut);
}

}  // namespace
}  // namespace holdsheet
