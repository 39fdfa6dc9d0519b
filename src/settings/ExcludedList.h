#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QVBoxLayout;

namespace holdsheet {

class InstalledApplications;
class Localization;

// The excluded applications in a rounded box, one per line with a button that removes it,
// or a line saying there are none.
class ExcludedList : public QWidget {
  public:
    static constexpr double cornerRadius = 10;

    ExcludedList(InstalledApplications& applications, const Localization& localization,
                 QWidget* parent = nullptr);

    void setIds(const QStringList& ids);
    const QStringList& ids() const { return ids_; }
    // Called with the id whose button was clicked.
    void onRemove(std::function<void(const QString&)> handler) { onRemove_ = std::move(handler); }

    // The remove button of the entry at `index`, or null.
    QAbstractButton* removeButton(int index) const;
    // The height of one entry, which the row's label lines up with.
    int entryHeight() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    InstalledApplications& applications_;
    const Localization& localization_;
    QStringList ids_;
    QWidget* body_ = nullptr;
    std::vector<QAbstractButton*> removeButtons_;
    std::function<void(const QString&)> onRemove_;
};

}  // namespace holdsheet
