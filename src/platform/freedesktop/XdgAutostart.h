#pragma once

#include "platform/LoginItems.h"

namespace holdsheet {

// Starting at login the freedesktop way (XDG autostart): an entry
// "holdsheet.desktop" in the user's autostart folder ($XDG_CONFIG_HOME/autostart) that runs
// the program. Enabled while the entry exists and is not hidden (Hidden=true, which desktops
// write to switch an entry off).
class XdgAutostart : public LoginItems {
  public:
    static inline const QString entryName = QStringLiteral("holdsheet.desktop");

    // `program`: the binary the entry starts, the running one by default.
    explicit XdgAutostart(QString program = {});

    // The entry's path, from the environment at the time of the call.
    static QString entryPath();
    // `program` as one argument of an Exec line; none when no line can hold it.
    static std::optional<QString> execArgument(const QString& program);

    bool enabled() const override;
    std::optional<QString> enable() override;
    std::optional<QString> disable() override;

  private:
    QString program_;
};

}  // namespace holdsheet
