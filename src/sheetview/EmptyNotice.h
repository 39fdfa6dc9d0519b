#pragma once

#include <QWidget>

namespace holdsheet {

class Localization;
class SheetLabel;
class SymbolView;

// Shown when there is nothing to list: the application has no shortcuts, or the search
// text matches none.
class EmptyNotice : public QWidget {
  public:
    EmptyNotice(bool searching, const Localization& localization, QWidget* parent = nullptr);

    bool searching() const { return searching_; }
    SymbolView* symbol() const { return symbol_; }
    SheetLabel* title() const { return title_; }
    SheetLabel* body() const { return body_; }

  private:
    bool searching_;
    SymbolView* symbol_;
    SheetLabel* title_;
    SheetLabel* body_;
};

}  // namespace holdsheet
