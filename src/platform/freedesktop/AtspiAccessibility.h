#pragma once

#include "platform/Accessibility.h"

#include <functional>
#include <memory>
#include <mutex>

namespace holdsheet {

class AccessibilitySwitch;
class AtspiChannel;

// The accessibility port over AT-SPI2 on D-Bus. The tree is presented in the vocabulary the
// menu reader expects ("AXMenuBar", "AXChildren", "AXRole", ...), so the same reader runs on
// GTK and Qt applications. The bus is connected by the first thread that reads, and again
// after its daemon restarted; the trust state follows the desktop's accessibility switch, so
// the main thread never waits on the bus.
class AtspiAccessibility : public Accessibility {
  public:
    enum class Status { noBus, notAnswering, disabled, ready };

    AtspiAccessibility();
    // Reads every application through this channel instead of the accessibility bus.
    explicit AtspiAccessibility(std::shared_ptr<AtspiChannel> channel);
    ~AtspiAccessibility() override;
    AtspiAccessibility(const AtspiAccessibility&) = delete;
    AtspiAccessibility& operator=(const AtspiAccessibility&) = delete;

    // Why the port is or is not usable: no bus, a bus whose daemon does not answer,
    // accessibility switched off, or ready. Asks the buses now, so it may block for a
    // second or two: not for the main thread of the program.
    Status status();
    // Whether an application with this process id is on the accessibility bus.
    bool hasApplication(pid_t pid);

    AXElementRef createApplication(pid_t pid) override;
    void setMessagingTimeout(const AXElementRef& application, double seconds) override;
    bool hasTimedOut(const AXElementRef& application) override;
    bool wasCutShort(const AXElementRef& application) override;
    AXError copyAttributeValue(const AXElementRef& element, const QString& attribute,
                               AXValue& value) override;
    void performAction(const AXElementRef& element, const QString& action) override;
    bool isProcessTrusted() override;
    void isProcessTrustedWithPrompt() override;
    void observeTrust(std::function<void()> changed) override;

    // Asks the user before the prompt switches the desktop's accessibility on; without
    // one, the prompt does nothing.
    void setConfirmEnabling(std::function<bool()> confirm) {
        confirmEnabling_ = std::move(confirm);
    }

    struct Private;

  private:
    AccessibilitySwitch& accessibilitySwitch();

    std::function<bool()> confirmEnabling_;
    std::shared_ptr<Private> d_;
    std::once_flag switchStarted_;
    std::unique_ptr<AccessibilitySwitch> switch_;
};

}  // namespace holdsheet
