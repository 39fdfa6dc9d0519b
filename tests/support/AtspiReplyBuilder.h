#pragma once

// Accessibility replies built with libdbus and marshalled as the bus would deliver them.
#include "platform/freedesktop/AtspiBus.h"

#include <functional>
#include <vector>

namespace holdsheet::testing {

using Append = std::function<void(DBusMessageIter&)>;

inline void appendText(DBusMessageIter& iter, int type, const char* text) {
    dbus_message_iter_append_basic(&iter, type, &text);
}

inline void appendUnsigned(DBusMessageIter& iter, dbus_uint32_t number) {
    dbus_message_iter_append_basic(&iter, DBUS_TYPE_UINT32, &number);
}

inline void appendVariant(DBusMessageIter& iter, const char* signature, const Append& inner) {
    DBusMessageIter variant;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_VARIANT, signature, &variant);
    inner(variant);
    dbus_message_iter_close_container(&iter, &variant);
}

inline void appendStates(DBusMessageIter& iter, const std::vector<dbus_uint32_t>& words) {
    DBusMessageIter array;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_ARRAY, "u", &array);
    for (dbus_uint32_t word : words) {
        dbus_message_iter_append_basic(&array, DBUS_TYPE_UINT32, &word);
    }
    dbus_message_iter_close_container(&iter, &array);
}

inline void appendReference(DBusMessageIter& iter, const char* name, const char* path) {
    DBusMessageIter reference;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_STRUCT, nullptr, &reference);
    appendText(reference, DBUS_TYPE_STRING, name);
    appendText(reference, DBUS_TYPE_OBJECT_PATH, path);
    dbus_message_iter_close_container(&iter, &reference);
}

inline void appendReferences(DBusMessageIter& iter,
                             const std::vector<std::pair<std::string, std::string>>& references) {
    DBusMessageIter array;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_ARRAY, "(so)", &array);
    for (const auto& [name, path] : references) {
        appendReference(array, name.c_str(), path.c_str());
    }
    dbus_message_iter_close_container(&iter, &array);
}

inline void appendExtents(DBusMessageIter& iter, dbus_int32_t width, dbus_int32_t height) {
    DBusMessageIter box;
    dbus_message_iter_open_container(&iter, DBUS_TYPE_STRUCT, nullptr, &box);
    for (dbus_int32_t value : {dbus_int32_t{0}, dbus_int32_t{0}, width, height}) {
        dbus_message_iter_append_basic(&box, DBUS_TYPE_INT32, &value);
    }
    dbus_message_iter_close_container(&iter, &box);
}

// A reply as it arrives: built, marshalled and read back. Null when libdbus refuses what
// `body` appended.
inline AtspiBus::Reply reply(const Append& body, bool error = false) {
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
    if (!dbus_message_marshal(built.get(), &bytes, &length)) {
        return {};
    }
    DBusMessagePtr received(dbus_message_demarshal(bytes, length, nullptr));
    dbus_free(bytes);
    const bool ok = received && !error;
    return {std::move(received), ok, false};
}

}  // namespace holdsheet::testing
