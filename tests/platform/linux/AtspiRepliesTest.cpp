// The decoding of accessibility replies, on messages built and marshalled as the bus would
// deliver them.
#include "platform/linux/AtspiBus.h"

#include <gtest/gtest.h>

#include <functional>

namespace holdsheet {
namespace {

using Append = std::function<void(DBusMessageIter&)>;

void appendText(DBusMessageIter& iter, int type, const char* text) {
    dbus_message_iter_append_basic(&iter, type, &text);
}

void appendVariant(DBusMessageIter& iter, const char* signature, const Append& inner) {
    DBusMessageIter variant;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_VARIANT, signature, &variant);
    inner(variant);
    dbus_message_iter_close_container(&iter, &variant);
}

void appendStates(DBusMessageIter& iter, std::vector<dbus_uint32_t> words) {
    DBusMessageIter array;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_ARRAY, "u", &array);
    for (dbus_uint32_t word : words) {
        dbus_message_iter_append_basic(&array, DBUS_TYPE_UINT32, &word);
    }
    dbus_message_iter_close_container(&iter, &array);
}

void appendReference(DBusMessageIter& iter, const char* name, const char* path) {
    DBusMessageIter reference;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_STRUCT, nullptr, &reference);
    appendText(reference, DBUS_TYPE_STRING, name);
    appendText(reference, DBUS_TYPE_OBJECT_PATH, path);
    dbus_message_iter_close_container(&iter, &reference);
}

// A reply as it arrives: built, marshalled and read back.
AtspiBus::Reply reply(const Append& body, bool error = false) {
    DBusMessagePtr call(dbus_message_new_method_call(":1.7", "/org/a11y/atspi/accessible/1",
                                                     "org.a11y.atspi.Accessible", "GetRole"));
    dbus_message_set_serial(call.get(), 1);
    DBusMessagePtr built(
        error ? dbus_message_new_error(call.get(), DBUS_ERROR_UNKNOWN_METHOD, "no such method")
              : dbus_message_new_method_return(call.get()));
    if (!error) {
        DBusMessageIter iter;
        dbus_message_iter_init_append(built.get(), &iter);
        body(iter);
    }
    dbus_message_set_serial(built.get(), 2);
    char* bytes = nullptr;
    int length = 0;
    EXPECT_TRUE(dbus_message_marshal(built.get(), &bytes, &length));
    DBusMessagePtr received(dbus_message_demarshal(bytes, length, nullptr));
    dbus_free(bytes);
    return {std::move(received), !error, false};
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
    const auto items = AtspiBus::cacheItems(reply([](DBusMessageIter& i) {
        DBusMessageIter array;
        dbus_message_iter_open_container(&i, DBUS_TYPE_ARRAY, "((so)(so)(so)iiassusau)", &array);
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
    }));
    ASSERT_EQ(items.size(), 1U);
    EXPECT_EQ(items[0].busName, QStringLiteral(":1.7"));
    EXPECT_EQ(items[0].path, QStringLiteral("/org/a11y/atspi/accessible/12"));
    EXPECT_EQ(items[0].name, QStringLiteral("Edit"));
    EXPECT_EQ(items[0].role, 33U);
    EXPECT_EQ(items[0].states, (quint64{1} << 8) | (quint64{1} << 42));
}

}  // namespace
}  // namespace holdsheet
