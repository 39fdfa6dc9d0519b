#pragma once

#include "platform/Screens.h"

namespace holdsheet {

// The screens as Qt knows them; the visible frame is the available geometry.
class QtScreens : public Screens {
  public:
    QPointF pointer() override;
    std::vector<Screen> screens() override;
    int mainScreen() override;
};

}  // namespace holdsheet
