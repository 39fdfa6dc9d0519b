#include "platform/freedesktop/GioFileHandlers.h"

#include <QFile>
#include <QFileInfo>

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <memory>

namespace holdsheet {

namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, ObjectUnref>;

// A list of GAppInfo, each owned by the list.
struct AppInfoList {
    GList* list = nullptr;
    ~AppInfoList() { g_list_free_full(list, g_object_unref); }
};

struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

QString fromUtf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

// A themed icon by the first of its names the current theme has, or the icon's file.
QIcon iconOf(GIcon* icon) {
    if (!icon) {
        return {};
    }
    if (G_IS_THEMED_ICON(icon)) {
        for (const gchar* const* name = g_themed_icon_get_names(G_THEMED_ICON(icon)); name && *name;
             ++name) {
            const QString themed = QString::fromUtf8(*name);
            if (QIcon::hasThemeIcon(themed)) {
                return QIcon::fromTheme(themed);
            }
        }
        return {};
    }
    if (G_IS_FILE_ICON(icon)) {
        GFile* file = g_file_icon_get_file(G_FILE_ICON(icon));  // owned by the icon
        std::unique_ptr<char, decltype(&g_free)> path(g_file_get_path(file), g_free);
        if (path && QFileInfo::exists(QString::fromUtf8(path.get()))) {
            return QIcon(QString::fromUtf8(path.get()));
        }
    }
    return {};
}

FileHandler handlerOf(GAppInfo* info, bool isDefault) {
    return {fromUtf8(g_app_info_get_id(info)), fromUtf8(g_app_info_get_display_name(info)),
            iconOf(g_app_info_get_icon(info)), isDefault};
}

}  // namespace

std::vector<FileHandler> GioFileHandlers::handlersFor(const QString& mimeType) {
    const QByteArray type = mimeType.toUtf8();
    std::unique_ptr<char, decltype(&g_free)> contentType(
        g_content_type_from_mime_type(type.constData()), g_free);
    if (!contentType) {
        return {};
    }
    GObjectPtr<GAppInfo> preferred(g_app_info_get_default_for_type(contentType.get(), FALSE));
    const AppInfoList all{g_app_info_get_all_for_type(contentType.get())};
    std::vector<FileHandler> handlers;
    bool defaultListed = false;
    for (GList* entry = all.list; entry; entry = entry->next) {
        auto* info = static_cast<GAppInfo*>(entry->data);
        if (!g_app_info_should_show(info)) {
            continue;  // hidden from menus by its own .desktop file
        }
        const bool isDefault = preferred && g_app_info_equal(info, preferred.get());
        defaultListed = defaultListed || isDefault;
        handlers.push_back(handlerOf(info, isDefault));
    }
    if (preferred && !defaultListed && g_app_info_should_show(preferred.get())) {
        handlers.insert(handlers.begin(), handlerOf(preferred.get(), true));
    }
    return handlers;
}

bool GioFileHandlers::open(const QString& handlerId, const QString& path) {
    const QByteArray id = handlerId.toUtf8();
    GObjectPtr<GDesktopAppInfo> info(g_desktop_app_info_new(id.constData()));
    if (!info) {
        return false;
    }
    const QByteArray filePath = QFile::encodeName(path);
    GObjectPtr<GFile> file(g_file_new_for_path(filePath.constData()));
    GList files{file.get(), nullptr, nullptr};
    GError* failure = nullptr;
    const bool launched =
        g_app_info_launch(G_APP_INFO(info.get()), &files, nullptr, &failure) != FALSE;
    const std::unique_ptr<GError, ErrorFree> error(failure);
    return launched;
}

}  // namespace holdsheet
