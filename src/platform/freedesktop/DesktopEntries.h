#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>

#include <optional>

namespace holdsheet {

// What a launcher entry says of its application.
struct DesktopEntry {
    QString name;  // in the user's language where the entry has it
    QString icon;
    QString startupWMClass;
};

// The [Desktop Entry] group of a .desktop file, `locales` most specific first
// ("de_DE", "de"); none when it has no name or is not an application's entry (Hidden, a
// link, a folder).
std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& text, const QStringList& locales);

// The user's message locales for localised keys, most specific first: LC_ALL, else
// LC_MESSAGES, else LANG, as "de_DE@euro", "de_DE", "de@euro", "de".
QStringList messageLocales();

// The launcher entries of a set of applications folders, by desktop id and by
// StartupWMClass. Folders that come first hide the same id in later ones.
class DesktopEntries {
  public:
    // Bounds for what a folder may hold: more files, deeper folders or larger files than
    // these are not read.
    static constexpr int maximumFiles = 20000;
    static constexpr int maximumFolderDepth = 4;
    static constexpr qint64 maximumFileBytes = 64 * 1024;

    static DesktopEntries read(const QStringList& folders, const QStringList& locales);

    // Adds the entry of desktop id `id` ("org.xfce.mousepad") unless that id is known.
    void add(const QString& id, const DesktopEntry& entry);

    // The entry of a running application: one named after its application id or one of
    // its window classes (as given, then in lower case), else the first whose
    // StartupWMClass is one of its window classes, case ignored, else the first reverse-DNS
    // id whose last part is one of those names, case ignored (a GTK 3 client on Wayland
    // gives "mousepad" for org.xfce.mousepad). Empty names match nothing.
    std::optional<DesktopEntry> find(const QString& applicationId,
                                     const QStringList& windowClasses) const;

    qsizetype size() const { return byId_.size(); }

  private:
    QHash<QString, DesktopEntry> byId_;
    QHash<QString, QString> idOfClass_;     // lower-case StartupWMClass → first id
    QHash<QString, QString> idOfLastPart_;  // lower-case last part of a dotted id → first id
};

}  // namespace holdsheet
