#pragma once

#include <QLabel>

namespace holdsheet {

// A text of the sheet in one of its styles; the colour follows light and dark palettes.
class SheetLabel : public QLabel {
  public:
    enum class Tone { primary, secondary, tertiary, accent };

    SheetLabel(const QString& text, const QFont& font, Tone tone, QWidget* parent = nullptr);
    Tone tone() const { return tone_; }
    QSize sizeHint() const override;
    int heightForWidth(int width) const override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void applyTone();

    Tone tone_;
    bool applying_ = false;
};

}  // namespace holdsheet
