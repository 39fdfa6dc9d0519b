#pragma once

#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace holdsheet {

// The program's mark, drawn from its resource; an empty square of the same size when the
// drawing is missing.
class BrandMark : public QWidget {
  public:
    // `drawing`: an SVG file, the program's mark by default.
    explicit BrandMark(int size, const QString& drawing = {}, QWidget* parent = nullptr);
    ~BrandMark() override;

    bool hasDrawing() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace holdsheet
