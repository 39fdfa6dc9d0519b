#pragma once

#include <QAbstractButton>

namespace holdsheet {

// A button that looks like a link: its text in the link colour, underlined under the
// pointer.
class LinkButton : public QAbstractButton {
  public:
    LinkButton(const QString& text, const QFont& font, QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

}  // namespace holdsheet
