#pragma once

#include <QWidget>

class QLabel;

namespace holdsheet {

// A labelled line of a form: the label in a column of its own, its text against the
// content, then the content over the rest of the width. Labels of every row share the
// column's width, so the controls line up; a row without a label keeps the column empty.
class Row : public QWidget {
  public:
    static constexpr int labelWidth = 208;
    static constexpr int spacing = 16;

    // `top`: label and content start at the top, the label's first line level with the
    // content's first line; otherwise both are centred vertically.
    Row(const QString& label, bool top, QWidget* content, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    QWidget* content() const { return content_; }
    // The height of the content's first line, for a `top` row: by default the first item
    // of the content's layout, or the content itself.
    void setFirstLineHeight(int height);

  protected:
    bool event(QEvent* event) override;

  private:
    void alignLabel();
    int firstLineHeight() const;

    QLabel* label_;
    QWidget* content_;
    bool top_;
    int firstLineHeight_ = -1;
};

}  // namespace holdsheet
