#include "harvest/ShortcutModel.h"

namespace holdsheet {

int ShortcutSheet::itemCount() const {
    int count = 0;
    for (const auto& group : groups) {
        count += static_cast<int>(group.items.size());
    }
    return count;
}

}  // namespace holdsheet
