#pragma once

#include "harvest/ShortcutModel.h"

#include <QImage>
#include <QObject>

#include <functional>
#include <optional>

#include <sys/types.h>

namespace holdsheet {

// The observable state of the panel. Each published field has its change signal, emitted
// after the value is stored (so observers read the new value); `targetPID` announces nothing.
class SheetModel : public QObject {
    Q_OBJECT
  public:
    static constexpr double initialContentHeight = 160.0;

    // `localized` names the program when the application has no name.
    explicit SheetModel(std::function<QString(const QString&)> localized = {});

    const std::optional<ShortcutSheet>& sheet() const { return sheet_; }
    bool isLoading() const { return isLoading_; }
    const QString& query() const { return query_; }
    double contentHeight() const { return contentHeight_; }
    const QString& appName() const { return appName_; }
    const QImage& appIcon() const { return appIcon_; }
    QString displayName() const;

    void setSheet(std::optional<ShortcutSheet> sheet);
    void setLoading(bool loading);
    void setQuery(const QString& query);
    void setContentHeight(double height);
    void setAppName(const QString& name);
    void setAppIcon(const QImage& icon);

    pid_t targetPID = 0;

  signals:
    void sheetChanged();
    void loadingChanged(bool loading);
    void queryChanged(const QString& query);
    void contentHeightChanged(double height);
    void appNameChanged(const QString& name);
    void appIconChanged();

  private:
    std::function<QString(const QString&)> localized_;
    std::optional<ShortcutSheet> sheet_;
    bool isLoading_ = true;
    QString query_;
    double contentHeight_ = initialContentHeight;
    QString appName_;
    QImage appIcon_;
};

}  // namespace holdsheet
