#pragma once

#include <optional>

namespace holdsheet {

// The light or dark look of the whole program, its panel included. None: follow the desktop.
class Appearance {
  public:
    enum class Look { light, dark };

    virtual ~Appearance() = default;
    virtual std::optional<Look> appearance() const = 0;
    virtual void setAppearance(std::optional<Look> look) = 0;
};

}  // namespace holdsheet
