#include "platform/freedesktop/GSettingsRead.h"

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <memory>

namespace holdsheet {

namespace {

struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
struct KeyUnref {
    void operator()(GSettingsSchemaKey* key) const { g_settings_schema_key_unref(key); }
};
struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct StrvFree {
    void operator()(gchar** strings) const { g_strfreev(strings); }
};
struct VariantUnref {
    void operator()(GVariant* value) const { g_variant_unref(value); }
};

}  // namespace

std::optional<QStringList> readSettingStrings(const char* schemaId, const char* keyName) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source) {
        return std::nullopt;
    }
    std::unique_ptr<GSettingsSchema, SchemaUnref> schema(
        g_settings_schema_source_lookup(source, schemaId, TRUE));
    if (!schema || !g_settings_schema_has_key(schema.get(), keyName)) {
        return std::nullopt;
    }
    std::unique_ptr<GSettingsSchemaKey, KeyUnref> key(
        g_settings_schema_get_key(schema.get(), keyName));
    const GVariantType* type = g_settings_schema_key_get_value_type(key.get());
    const bool list = g_variant_type_equal(type, G_VARIANT_TYPE_STRING_ARRAY);
    if (!list && !g_variant_type_equal(type, G_VARIANT_TYPE_STRING)) {
        return std::nullopt;
    }
    std::unique_ptr<GSettings, ObjectUnref> settings(
        g_settings_new_full(schema.get(), nullptr, nullptr));
    std::unique_ptr<GVariant, VariantUnref> value(g_settings_get_value(settings.get(), keyName));
    QStringList result;
    if (list) {
        std::unique_ptr<gchar*, StrvFree> strings(g_variant_dup_strv(value.get(), nullptr));
        for (gchar** s = strings.get(); s && *s; ++s) {
            result << QString::fromUtf8(*s);
        }
    } else {
        result << QString::fromUtf8(g_variant_get_string(value.get(), nullptr));
    }
    return result;
}

}  // namespace holdsheet
