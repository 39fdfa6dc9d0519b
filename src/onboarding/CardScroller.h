#pragma once

#include <QScrollArea>

namespace holdsheet {

class CardGrid;

// Holds the card grid whole, scrolling it only when it is taller than the room. The scroll
// bar takes the grid's side margin, not the cards' width: a text that needs the bar does
// not wrap into more lines because of it.
class CardScroller : public QScrollArea {
  public:
    CardScroller(CardGrid* grid, int sideMargin, QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void placeColumns();

    CardGrid* grid_;
    int sideMargin_;
};

}  // namespace holdsheet
