#pragma once

#include <QComboBox>

namespace holdsheet {

class Localization;

// The interface language: "System Language", then each language by its own name. Its items
// carry the stored value ("system" or a language code).
class LanguagePicker : public QComboBox {
  public:
    LanguagePicker(const Localization& localization, QWidget* parent = nullptr);

    // Shows a stored value without reporting it; one that is no entry's shows the system's,
    // whose texts it gets.
    void setLanguage(const QString& code);
    QString language() const;
};

}  // namespace holdsheet
