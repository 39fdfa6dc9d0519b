#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace holdsheet {

// Limits on what an ELF file may make us read.
namespace elf_limits {
inline constexpr qint64 fileBytes = qint64{1} << 30;
inline constexpr qsizetype sectionBytes = 32 << 20;
inline constexpr qsizetype sectionNameTableBytes = 1 << 20;
inline constexpr size_t sectionHeaders = 1 << 16;
inline constexpr size_t resourceSections = 8;
}  // namespace elf_limits

// The compiled resource bundles (sections ".gresource" and ".gresource.NAME") of the ELF
// file open on `fd`, read through positioned reads: nothing is mapped, so a file cut short
// under us is an error, not a signal. Empty for anything that is not such a file.
std::vector<QByteArray> elfResourceSections(int fd);

// The same over a file's bytes.
std::vector<QByteArray> elfResourceSections(QByteArrayView bytes);

}  // namespace holdsheet
