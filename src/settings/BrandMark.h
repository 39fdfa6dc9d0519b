#pragma once

#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace holdsheet {

// The program's mark, drawn from its resource; an empty square of the same size when the
// build carries none.
class BrandMark : public QWidget {
  public:
    static inline const QString resource = QStringLiteral(":/brand/BrandMark.svg");

    BrandMark(int size, QWidget* parent = nullptr);
    ~BrandMark() override;

    bool hasDrawing() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace holdsheet
