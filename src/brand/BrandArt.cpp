#include "brand/BrandArt.h"

namespace holdsheet {

QString brandMarkPath() {
    return QStringLiteral(":/brand/BrandMark.svg");
}

QString menuBarIconPath() {
    return QStringLiteral(":/brand/MenuBarIcon.svg");
}

}  // namespace holdsheet
