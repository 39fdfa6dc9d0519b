#pragma once

#include <QIcon>
#include <QString>

#include <optional>
#include <vector>

namespace holdsheet {

// An application installed on the desktop, as its launcher entry describes it.
struct InstalledApplication {
    QString desktopId;       // the entry's id without ".desktop" ("org.xfce.mousepad")
    QString name;            // in the user's language
    QString startupWMClass;  // the window class its windows carry, when the entry says
    QIcon icon;              // may be null

    // The id the running application is known by: the window class the entry names, else
    // the entry's id (which GTK applications also carry as their application id).
    QString applicationId() const { return startupWMClass.isEmpty() ? desktopId : startupWMClass; }
    // Whether an application id stands for this entry.
    bool isKnownAs(const QString& id) const {
        return !id.isEmpty() && (id == desktopId || id == startupWMClass);
    }
};

// The applications the desktop offers to launch (entries it would show in its menus).
class InstalledApplications {
  public:
    virtual ~InstalledApplications() = default;
    virtual std::vector<InstalledApplication> all() = 0;
    // The entry an application id stands for, or none.
    std::optional<InstalledApplication> find(const QString& id);
};

}  // namespace holdsheet
