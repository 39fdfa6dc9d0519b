#pragma once

#include <QString>

#include <vector>

namespace holdsheet {

// The one list of localisation keys, sorted; catalogues and their test both follow it.
const std::vector<QString>& localizationKeys();

// Keys whose text takes a count (%n) and has plural forms.
bool isPluralKey(const QString& key);

}  // namespace holdsheet
