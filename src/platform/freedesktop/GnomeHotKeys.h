#pragma once

#include "platform/SystemHotKeys.h"

#include <utility>
#include <vector>

namespace holdsheet {

// The desktop's key bindings from GSettings (GNOME schemas), in the symbolic hot-key shape.
// Each hot-key id maps to the settings that do the same job, tried in order; the first one
// that exists is read. A binding is enabled when it holds a non-empty accelerator, and the
// first accelerator gives the parameters.
class GnomeHotKeys : public SystemHotKeys {
  public:
    struct Source {
        int id;
        std::vector<std::pair<const char*, const char*>> settings;  // (schema, key)
    };
    static const std::vector<Source>& defaultSources();

    explicit GnomeHotKeys(std::vector<Source> sources = defaultSources());

    std::optional<ValueTree> symbolicHotKeys() override;

  private:
    std::vector<Source> sources_;
};

}  // namespace holdsheet
