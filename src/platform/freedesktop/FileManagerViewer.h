#pragma once

#include "platform/FileViewer.h"

#include <QObject>

namespace holdsheet {

// Reveals files through the file manager's org.freedesktop.FileManager1 interface on the
// session bus (starting the file manager where the bus can); where no file manager answers,
// opens the file's folder as the desktop opens folders. Never waits on the bus.
class FileManagerViewer : public QObject, public FileViewer {
  public:
    void reveal(const QString& path) override;
};

}  // namespace holdsheet
