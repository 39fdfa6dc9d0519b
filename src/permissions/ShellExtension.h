#pragma once

#include "platform/DesktopSession.h"

#include <QObject>

namespace holdsheet {

class Localization;
class ProcessRunner;

// What the program knows of its Shell extension, for the views that tell the user about it:
// the state the session last reported, and a way to turn the extension on.
class ShellExtension : public QObject {
    Q_OBJECT
  public:
    // The extension as GNOME 45 and later load it, the one the user is told to enable; the
    // same body for GNOME 43 and 44 goes by the second.
    static inline const QString uuid = QStringLiteral("holdsheet@holdsheet.org");
    static inline const QString legacyUuid = QStringLiteral("holdsheet-legacy@holdsheet.org");
    static inline const QString tool = QStringLiteral("gnome-extensions");

    explicit ShellExtension(ProcessRunner& runner);

    ShellExtensionState state() const { return state_; }
    // The UUID the running shell loads the extension by (the legacy one on GNOME 43 and 44),
    // for the texts that name it.
    const QString& loadedUuid() const { return loadedUuid_; }
    void setLoadedUuid(const QString& loaded) { loadedUuid_ = loaded.isEmpty() ? uuid : loaded; }
    // Whether the user has something to do: the extension is needed and not on.
    bool wanted() const {
        return state_ == ShellExtensionState::disabled || state_ == ShellExtensionState::missing;
    }
    void setState(ShellExtensionState state);

    // Whether `enable` can do it here: installed but off, and the desktop's tool at hand. A
    // missing one is unknown to the shell until the next login.
    bool canEnable() const;
    // Asks the shell to turn on both forms: it loads the one its version takes and keeps
    // the other listed for a later upgrade. The new state arrives through `setState`.
    bool enable();

  signals:
    void stateChanged(holdsheet::ShellExtensionState state);

  private:
    ProcessRunner& runner_;
    ShellExtensionState state_ = ShellExtensionState::notNeeded;
    QString loadedUuid_ = uuid;
};

// What the user reads about the extension in each state; empty where there is nothing to say
// (not needed; and for the last two, on).
// "The Shell extension is on / off / not installed."
QString extensionStatusText(const Localization& localization, ShellExtensionState state);
// Why the extension matters and how to turn it on.
QString extensionHowTo(const Localization& localization, ShellExtensionState state,
                       const QString& uuid = ShellExtension::uuid);
// The panel's one line: the hold key needs it, and how to turn it on.
QString extensionNotice(const Localization& localization, ShellExtensionState state,
                        const QString& uuid = ShellExtension::uuid);

}  // namespace holdsheet
