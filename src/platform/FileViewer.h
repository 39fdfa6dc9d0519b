#pragma once

#include <QString>

namespace holdsheet {

// The desktop's file manager.
class FileViewer {
  public:
    virtual ~FileViewer() = default;
    // Shows the file selected in its folder, or at least opens the folder.
    virtual void reveal(const QString& path) = 0;
};

}  // namespace holdsheet
