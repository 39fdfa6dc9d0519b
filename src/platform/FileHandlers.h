#pragma once

#include <QIcon>
#include <QString>

#include <vector>

namespace holdsheet {

// An installed application that opens files of some type.
struct FileHandler {
    QString id;  // the desktop's id for it ("org.gnome.Evince.desktop")
    QString name;
    QIcon icon;  // may be null
    bool isDefault = false;
};

// The desktop's file associations: which applications open a type of file, and opening a
// file with one of them.
class FileHandlers {
  public:
    virtual ~FileHandlers() = default;
    // In the desktop's order; the default one, if any, is among them and marked.
    virtual std::vector<FileHandler> handlersFor(const QString& mimeType) = 0;
    // Starts the application on the file; false when it is gone or will not start.
    virtual bool open(const QString& handlerId, const QString& path) = 0;
};

}  // namespace holdsheet
