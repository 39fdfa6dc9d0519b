#include "platform/freedesktop/ResourceBundle.h"

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <deque>
#include <memory>

namespace holdsheet {

namespace {

struct BytesUnref {
    void operator()(GBytes* bytes) const { g_bytes_unref(bytes); }
};
struct ResourceUnref {
    void operator()(GResource* resource) const { g_resource_unref(resource); }
};
struct StrvFree {
    void operator()(char** strings) const { g_strfreev(strings); }
};
struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
using Bytes = std::unique_ptr<GBytes, BytesUnref>;
using Error = std::unique_ptr<GError, ErrorFree>;

// The file's bytes, or nothing when it is larger than any help we would parse.
Bytes uiFile(GResource* resource, const QByteArray& path) {
    gsize size = 0;
    guint32 flags = 0;
    GError* failure = nullptr;
    if (!g_resource_get_info(resource, path.constData(), G_RESOURCE_LOOKUP_FLAGS_NONE, &size,
                             &flags, &failure)) {
        const Error error(failure);
        return nullptr;
    }
    if (size > static_cast<gsize>(help_limits::xmlBytes)) {
        return nullptr;
    }
    Bytes data(
        g_resource_lookup_data(resource, path.constData(), G_RESOURCE_LOOKUP_FLAGS_NONE, &failure));
    Error error(failure);
    // The stored size is only a claim; the parser checks the real one again.
    return data;
}

}  // namespace

std::vector<BundleFile> helpFilesInBundle(const QByteArray& bundle) {
    std::vector<BundleFile> found;
    // g_bytes_new copies into memory aligned for the bundle's tables.
    const Bytes bytes(g_bytes_new(bundle.constData(), static_cast<gsize>(bundle.size())));
    GError* failure = nullptr;
    const std::unique_ptr<GResource, ResourceUnref> resource(
        g_resource_new_from_data(bytes.get(), &failure));
    Error error(failure);
    if (!resource) {
        return found;
    }
    struct Folder {
        QByteArray path;
        int depth;
    };
    std::deque<Folder> folders{{"/", 0}};
    int visited = 0;
    while (!folders.empty() && visited < bundle_limits::entries) {
        const Folder folder = std::move(folders.front());
        folders.pop_front();
        failure = nullptr;
        const std::unique_ptr<char*, StrvFree> children(g_resource_enumerate_children(
            resource.get(), folder.path.constData(), G_RESOURCE_LOOKUP_FLAGS_NONE, &failure));
        Error childError(failure);
        for (char** child = children.get(); child && *child; ++child) {
            if (++visited > bundle_limits::entries) {
                break;
            }
            const QByteArray path = folder.path + *child;
            if (path.size() > bundle_limits::pathBytes) {
                continue;
            }
            if (path.endsWith('/')) {
                if (folder.depth + 1 < bundle_limits::depth) {
                    folders.push_back({path, folder.depth + 1});
                }
                continue;
            }
            if (!path.endsWith(".ui")) {
                continue;
            }
            const Bytes data = uiFile(resource.get(), path);
            if (!data) {
                continue;
            }
            gsize size = 0;
            const auto* start = static_cast<const char*>(g_bytes_get_data(data.get(), &size));
            if (!start || size > static_cast<gsize>(help_limits::xmlBytes)) {
                continue;
            }
            const QByteArrayView xml(start, static_cast<qsizetype>(size));
            if (mentionsShortcutsHelp(xml)) {
                found.push_back({path, xml.toByteArray()});
                if (found.size() >= bundle_limits::helpFiles) {
                    return found;
                }
            }
        }
    }
    return found;
}

}  // namespace holdsheet
