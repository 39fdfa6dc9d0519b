#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;

namespace holdsheet {

// A row of joined segments of which one is chosen, at most 280 wide, segments of equal
// width. Each segment is a button named by its title.
class SegmentedPicker : public QWidget {
  public:
    static constexpr int maximumWidth = 280;
    static constexpr int pickerHeight = 24;

    SegmentedPicker(const QStringList& titles, int selected, QWidget* parent = nullptr);

    int selected() const { return selected_; }
    // Shows a choice without reporting it.
    void setSelected(int index);
    void onChange(std::function<void(int)> handler) { onChange_ = std::move(handler); }
    QAbstractButton* segment(int index) const;
    int count() const { return static_cast<int>(segments_.size()); }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    class Segment;

    int selected_;
    std::vector<Segment*> segments_;
    std::function<void(int)> onChange_;
};

}  // namespace holdsheet
