#pragma once

#include "platform/Accessibility.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <variant>
#include <vector>

namespace holdsheet::testing {

// One node of a simulated accessibility tree. Built with a few chained calls; every read
// through FakeAccessibility is logged so a test can tell what was touched.
class FakeElement : public AXElement, public std::enable_shared_from_this<FakeElement> {
  public:
    explicit FakeElement(QString label, FakeElement* parent = nullptr)
        : label(std::move(label)), parent(parent) {}

    const QString label;
    FakeElement* const parent;

    FakeElement& set(const QString& attribute, AXValue value);
    // Makes a read of the attribute fail with this error.
    FakeElement& fail(const QString& attribute, AXError error = AXError::cannotComplete);
    FakeElement& addChild(const QString& role, const QString& label);

    // Menu building, in the shape the reader walks: menu-bar item -> menu -> item -> menu.
    FakeElement& menu(const QString& title);  // on a menu bar: returns the menu
    FakeElement& item(const QString& title);  // on a menu: returns the item
    FakeElement& submenu();                   // on an item: returns its menu
    FakeElement& key(const QString& character) { return set("AXMenuItemCmdChar", character); }
    FakeElement& modifiers(qint64 mask) { return set("AXMenuItemCmdModifiers", mask); }
    FakeElement& virtualKey(qint64 code) { return set("AXMenuItemCmdVirtualKey", code); }
    FakeElement& enabled(bool on) { return set("AXEnabled", on); }
    FakeElement& child(std::size_t index) { return *children_.at(index); }
    // The element as the port hands it out (elements are always owned by their tree).
    AXElementRef ref() const { return shared_from_this(); }

  private:
    friend class FakeAccessibility;
    std::map<QString, std::variant<AXValue, AXError>> attributes_;
    std::vector<std::shared_ptr<FakeElement>> children_;
};

class FakeAccessibility : public Accessibility {
  public:
    struct Read {
        const FakeElement* element;
        QString attribute;
    };

    // The application element for pid; its menu bar is created on first use.
    FakeElement& application(pid_t pid);
    FakeElement& menuBar(pid_t pid);

    AXElementRef createApplication(pid_t pid) override;
    void setMessagingTimeout(const AXElementRef& application, double seconds) override;
    bool hasTimedOut(const AXElementRef& application) override;
    bool wasCutShort(const AXElementRef& application) override;
    AXError copyAttributeValue(const AXElementRef& element, const QString& attribute,
                               AXValue& value) override;
    void performAction(const AXElementRef& element, const QString& action) override;
    bool isProcessTrusted() override { return trusted; }
    void isProcessTrustedWithPrompt() override { ++prompts; }
    void observeTrust(std::function<void()> changed) override {
        trustObserver_ = std::move(changed);
    }
    // The desktop's switch turned: the observer hears of it as from the real one.
    void setTrusted(bool on) {
        const bool changed = on != trusted;
        trusted = on;
        if (changed && trustObserver_) {
            trustObserver_();
        }
    }
    bool observed() const { return static_cast<bool>(trustObserver_); }

    bool trusted = true;
    int prompts = 0;
    std::set<pid_t> silent;     // applications that stop answering: their reads time out
    std::set<pid_t> oversized;  // applications whose trees exceed the bounds of a read

    std::vector<Read> reads() const;
    bool wasRead(const FakeElement& element, const QString& attribute = {}) const {
        return readCount(element, attribute) > 0;
    }
    // How often this attribute (any, when empty) of the element was read.
    int readCount(const FakeElement& element, const QString& attribute = {}) const;
    // Reads of any element inside this one's subtree, the element included.
    bool wasTouchedBelow(const FakeElement& element) const;
    std::vector<std::pair<const FakeElement*, QString>> presses() const;
    std::optional<double> timeoutOf(pid_t pid) const;
    bool timeoutSetBeforeFirstRead(pid_t pid) const;

  private:
    mutable std::mutex mutex_;
    std::map<pid_t, std::shared_ptr<FakeElement>> applications_;
    std::map<pid_t, double> timeouts_;
    std::map<pid_t, std::size_t> readsBeforeTimeout_;
    std::vector<Read> reads_;
    std::vector<std::pair<const FakeElement*, QString>> presses_;
    std::function<void()> trustObserver_;
};

}  // namespace holdsheet::testing
