#pragma once

#include <QWidget>

#include <functional>

namespace holdsheet {

class Localization;

// The content of the welcome window. For now a placeholder: a greeting and the done
// button, which calls `onDone`; the permission steps replace it.
class WelcomeView : public QWidget {
  public:
    WelcomeView(const Localization& localization, std::function<void()> onDone,
                QWidget* parent = nullptr);
};

}  // namespace holdsheet
