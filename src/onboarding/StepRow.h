#pragma once

#include <QWidget>

namespace holdsheet {

class SheetLabel;

// One numbered step: the number on a tinted disc, then its text on as many lines as it
// needs, the number level with the text's first line.
class StepRow : public QWidget {
  public:
    static constexpr int badgeSide = 22;
    static constexpr int spacing = 10;

    // `number`: already written in the interface language's digits.
    StepRow(const QString& number, const QString& text, QWidget* parent = nullptr);

    const QString& number() const { return number_; }
    SheetLabel* text() const { return text_; }
    // Where the number's and the text's first baselines lie, from the row's top.
    int numberBaseline() const;
    int textBaseline() const;

  private:
    class Badge;

    QString number_;
    Badge* badge_;
    SheetLabel* text_;
};

}  // namespace holdsheet
