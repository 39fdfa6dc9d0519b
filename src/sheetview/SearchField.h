#pragma once

#include "ui/SheetSymbols.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace holdsheet {

class Localization;

// The search text in a soft capsule: a magnifying glass, the text, and a clear button
// while there is text. Every keystroke reports the new text at once.
class SearchField : public QWidget {
    Q_OBJECT
  public:
    static constexpr int fixedWidth = 230;

    SearchField(const Localization& localization, double scale, QWidget* parent = nullptr);

    QString text() const;
    // From the model: changes the shown text without reporting it back.
    void setText(const QString& text);
    QLineEdit* lineEdit() const { return edit_; }
    QToolButton* clearButton() const { return clear_; }

  signals:
    void textEdited(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void textChanged(const QString& text);
    // The clear button's symbol in the secondary style of the current palette.
    void tintClearButton();

    QLineEdit* edit_;
    QToolButton* clear_;
    SymbolPixmap clearSymbol_;
};

}  // namespace holdsheet
