#pragma once

#include "settings/SettingsServices.h"

#include <QWidget>

namespace holdsheet {

class BrandMark;
class LinkButton;
class SheetLabel;

// The About tab: the program's mark, name and version, what it does, what it does with
// your data, who made it and a link to its home page.
class AboutSettings : public QWidget {
  public:
    static constexpr int spacing = 8;
    static constexpr int markSize = 104;
    static constexpr int textWidth = 400;
    static constexpr int dividerWidth = 220;

    explicit AboutSettings(SettingsServices services, QWidget* parent = nullptr);

    BrandMark* mark() const { return mark_; }
    SheetLabel* version() const { return version_; }
    // Null when the build names no home page.
    LinkButton* homePage() const { return homePage_; }

  private:
    BrandMark* mark_;
    SheetLabel* version_;
    LinkButton* homePage_ = nullptr;
};

}  // namespace holdsheet
