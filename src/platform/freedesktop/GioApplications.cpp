#include "platform/freedesktop/GioApplications.h"

#include <QFileInfo>

#include <memory>

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace holdsheet {

namespace {

struct ListOfObjects {
    void operator()(GList* list) const { g_list_free_full(list, g_object_unref); }
};
struct GFree {
    void operator()(gchar* text) const { g_free(text); }
};

QString text(const char* value) {
    return value ? QString::fromUtf8(value) : QString();
}

// The icon a launcher entry names: a theme icon by one of its names, or an image file.
QIcon iconOf(GAppInfo* info) {
    GIcon* icon = g_app_info_get_icon(info);  // owned by the entry
    if (!icon) {
        return {};
    }
    if (G_IS_THEMED_ICON(icon)) {
        for (const gchar* const* name = g_themed_icon_get_names(G_THEMED_ICON(icon)); name && *name;
             ++name) {
            if (QIcon::hasThemeIcon(text(*name))) {
                return QIcon::fromTheme(text(*name));
            }
        }
        return {};
    }
    if (G_IS_FILE_ICON(icon)) {
        const std::unique_ptr<gchar, GFree> path(
            g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon))));
        if (path && QFileInfo::exists(text(path.get()))) {
            return QIcon(text(path.get()));
        }
    }
    return {};
}

}  // namespace

std::vector<InstalledApplication> GioApplications::all() {
    const std::unique_ptr<GList, ListOfObjects> infos(g_app_info_get_all());
    std::vector<InstalledApplication> applications;
    for (GList* node = infos.get(); node; node = node->next) {
        auto* info = static_cast<GAppInfo*>(node->data);
        if (!G_IS_DESKTOP_APP_INFO(info) || !g_app_info_should_show(info)) {
            continue;
        }
        QString id = text(g_app_info_get_id(info));
        if (id.endsWith(QLatin1String(".desktop"))) {
            id.chop(8);
        }
        if (id.isEmpty()) {
            continue;
        }
        applications.push_back(
            {id, text(g_app_info_get_name(info)),
             text(g_desktop_app_info_get_startup_wm_class(G_DESKTOP_APP_INFO(info))),
             iconOf(info)});
    }
    return applications;
}

}  // namespace holdsheet
