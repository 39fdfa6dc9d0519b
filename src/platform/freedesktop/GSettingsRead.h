#pragma once

#include <QStringList>

#include <optional>

namespace holdsheet {

// A desktop setting that holds a text or a list of texts, or none when its schema or key is
// not installed (GIO would abort the process on reading an absent key).
std::optional<QStringList> readSettingStrings(const char* schemaId, const char* keyName);

}  // namespace holdsheet
