#include "platform/freedesktop/ElfResources.h"

#include <gelf.h>
#include <libelf.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace holdsheet {

namespace {

struct ElfEnd {
    void operator()(Elf* elf) const { elf_end(elf); }
};
using ElfHandle = std::unique_ptr<Elf, ElfEnd>;

bool libelfReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = elf_version(EV_CURRENT) != EV_NONE; });
    return ready;
}

bool resourceSectionName(const char* name) {
    constexpr std::string_view prefix = ".gresource";
    const std::string_view view(name, strnlen(name, 256));
    return view.starts_with(prefix) && (view.size() == prefix.size() || view[prefix.size()] == '.');
}

std::vector<QByteArray> resourceSections(Elf* elf) {
    std::vector<QByteArray> sections;
    size_t names = 0;
    size_t count = 0;
    if (!elf || elf_kind(elf) != ELF_K_ELF || elf_getshdrstrndx(elf, &names) != 0 ||
        elf_getshdrnum(elf, &count) != 0 || count > elf_limits::sectionHeaders) {
        return sections;
    }
    GElf_Shdr header;
    Elf_Scn* nameTable = elf_getscn(elf, names);
    if (!nameTable || !gelf_getshdr(nameTable, &header) ||
        header.sh_size > static_cast<GElf_Xword>(elf_limits::sectionNameTableBytes)) {
        return sections;
    }
    for (Elf_Scn* section = elf_nextscn(elf, nullptr); section;
         section = elf_nextscn(elf, section)) {
        if (!gelf_getshdr(section, &header) || header.sh_type != SHT_PROGBITS ||
            header.sh_size == 0 ||
            header.sh_size > static_cast<GElf_Xword>(elf_limits::sectionBytes)) {
            continue;
        }
        const char* name = elf_strptr(elf, names, header.sh_name);
        if (!name || !resourceSectionName(name)) {
            continue;
        }
        const Elf_Data* data = elf_rawdata(section, nullptr);
        if (!data || !data->d_buf || data->d_size != header.sh_size) {
            continue;
        }
        sections.emplace_back(static_cast<const char*>(data->d_buf),
                              static_cast<qsizetype>(data->d_size));
        if (sections.size() >= elf_limits::resourceSections) {
            break;
        }
    }
    return sections;
}

}  // namespace

std::vector<QByteArray> elfResourceSections(int fd) {
    struct stat status;
    if (!libelfReady() || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > elf_limits::fileBytes) {
        return {};
    }
    return resourceSections(ElfHandle(elf_begin(fd, ELF_C_READ, nullptr)).get());
}

std::vector<QByteArray> elfResourceSections(QByteArrayView bytes) {
    if (!libelfReady() || bytes.size() > elf_limits::fileBytes) {
        return {};
    }
    // libelf wants writable memory; it reads only.
    QByteArray copy(bytes.data(), bytes.size());
    return resourceSections(
        ElfHandle(elf_memory(copy.data(), static_cast<size_t>(copy.size()))).get());
}

}  // namespace holdsheet
