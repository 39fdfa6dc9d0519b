// Input: a selector byte, then 'e' an ELF program or library; 'f' the framed answer of the
// bundle reader, whose files go on to the help parser; anything else a gettext catalogue.
// Nothing read may exceed the readers' limits. (GLib opens the bundles themselves in a
// process of its own: it trusts their tables.)
#include "platform/freedesktop/ElfResources.h"
#include "platform/freedesktop/MoCatalogue.h"
#include "platform/freedesktop/ResourceBundle.h"

#include <cstdlib>

using namespace holdsheet;

namespace {

void checkFrames(QByteArrayView frames) {
    const auto files = decodeBundleFiles(frames, bundle_limits::helpFiles, help_limits::xmlBytes);
    if (!files) {
        return;
    }
    if (files->size() > size_t(bundle_limits::helpFiles)) {
        std::abort();
    }
    for (const auto& file : *files) {
        if (file.data.size() > help_limits::xmlBytes) {
            std::abort();
        }
        for (const auto& group : parseShortcutsHelp(file.data).groups) {
            if (group.shortcuts.empty()) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArrayView file(reinterpret_cast<const char*>(data) + 1,
                              static_cast<qsizetype>(size - 1));
    switch (data[0]) {
        case 'e': {
            const auto sections = elfResourceSections(file);
            if (sections.size() > elf_limits::resourceSections) {
                std::abort();
            }
            for (const auto& section : sections) {
                if (section.isEmpty() || section.size() > elf_limits::sectionBytes) {
                    std::abort();
                }
            }
            break;
        }
        case 'f':
            checkFrames(file);
            break;
        default:
            if (const auto catalogue = MoCatalogue::parse(file)) {
                if (catalogue->size() > qsizetype{MoCatalogue::maxEntries}) {
                    std::abort();
                }
                catalogue->translate(QStringLiteral("shortcut window"), QStringLiteral("Quit"));
                catalogue->translate(QString(), QStringLiteral("Quit"));
            }
            break;
    }
    return 0;
}
