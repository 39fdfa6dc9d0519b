#pragma once

#include "platform/FileHandlers.h"

namespace holdsheet {

// The desktop's MIME associations through GIO (mimeapps.list and the installed .desktop
// files), as the desktop's own "Open With" shows them.
class GioFileHandlers : public FileHandlers {
  public:
    std::vector<FileHandler> handlersFor(const QString& mimeType) override;
    bool open(const QString& handlerId, const QString& path) override;
};

}  // namespace holdsheet
