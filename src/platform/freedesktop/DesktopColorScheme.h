#pragma once

#include <QDBusVariant>
#include <QObject>

#include <memory>
#include <optional>

namespace holdsheet {

// Whether the desktop prefers dark: the desktop portal's "color-scheme" where a portal
// answers, else GNOME's own setting, else light. Follows changes of either while running.
class DesktopColorScheme : public QObject {
    Q_OBJECT
  public:
    DesktopColorScheme();
    ~DesktopColorScheme() override;

    bool prefersDark() const { return portalDark_.value_or(gnomeDark_); }

  signals:
    void changed();

  private slots:
    void portalSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

  private:
    void askPortal();
    void setPortal(std::optional<bool> dark);
    void setGnome(bool dark);

    struct Gnome;
    std::unique_ptr<Gnome> gnome_;
    std::optional<bool> portalDark_;
    bool gnomeDark_ = false;
};

}  // namespace holdsheet
