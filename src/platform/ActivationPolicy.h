#pragma once

namespace holdsheet {

// Whether the program presents itself as an ordinary application (a taskbar or dock entry,
// the desktop's application menus) or only as an accessory (its panel and tray item).
// The program switches to regular while one of its ordinary windows is open.
class ActivationPolicy {
  public:
    enum class Policy { regular, accessory };

    virtual ~ActivationPolicy() = default;
    virtual void setActivationPolicy(Policy policy) = 0;
};

}  // namespace holdsheet
