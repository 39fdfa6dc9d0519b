#pragma once

#include <QLabel>

#include <optional>

namespace holdsheet {

// A text of the sheet in one of its styles; the colour follows light and dark palettes.
class SheetLabel : public QLabel {
  public:
    enum class Tone { primary, secondary, tertiary, accent };

    SheetLabel(const QString& text, const QFont& font, Tone tone, QWidget* parent = nullptr);
    Tone tone() const { return tone_; }
    // One line that gives way to its neighbours: as wide as `text` where there is room, else
    // cut with an ellipsis, the whole text then in the tool tip.
    void setElidedText(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void applyTone();
    void elide();

    Tone tone_;
    std::optional<QString> whole_;  // the text to elide, once set
    bool applying_ = false;
};

}  // namespace holdsheet
