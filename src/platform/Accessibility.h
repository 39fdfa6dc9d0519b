#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <variant>
#include <vector>

#include <sys/types.h>

namespace holdsheet {

// An element of another application's accessibility tree. Adapters subclass it; the logic
// only passes it back to the port. Shared ownership keeps it valid while any copy lives, so
// a menu item stored in the sheet can still be pressed after the read has ended.
class AXElement {
  public:
    virtual ~AXElement() = default;
};

using AXElementRef = std::shared_ptr<const AXElement>;

// Error codes of an attribute copy. Only `success` counts as a value.
enum class AXError : int {
    success = 0,
    failure = -25200,
    illegalArgument = -25201,
    invalidElement = -25202,
    cannotComplete = -25204,
    attributeUnsupported = -25205,
    notImplemented = -25208,
    noValue = -25212,
};

// A copied attribute value. Numbers keep whether they were integral, as the platform's
// number objects do; a Boolean is a number too when read as one.
struct AXValue {
    using Elements = std::vector<AXElementRef>;
    std::variant<std::monostate, QString, qint64, double, bool, AXElementRef, Elements> data;

    AXValue() = default;
    // Implicit on purpose: tests and adapters write values as literals.
    AXValue(QString text) : data(std::move(text)) {}
    AXValue(const char* text) : data(QString::fromUtf8(text)) {}
    AXValue(qint64 number) : data(number) {}
    AXValue(int number) : data(qint64{number}) {}
    AXValue(double number) : data(number) {}
    AXValue(bool flag) : data(flag) {}
    AXValue(AXElementRef element) : data(std::move(element)) {}
    AXValue(Elements elements) : data(std::move(elements)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(data); }
};

// What the harvest relies on from the platform's accessibility interface.
class Accessibility {
  public:
    virtual ~Accessibility() = default;

    // The element of the application with this process id. Never null; reads on an
    // element of an application that does not exist simply fail, with `invalidElement`
    // when no application of that process is reachable through accessibility at all.
    virtual AXElementRef createApplication(pid_t pid) = 0;

    // Bounds every later call on this application's elements. Called once, before the
    // first read of the application element.
    virtual void setMessagingTimeout(const AXElementRef& application, double seconds) = 0;

    // True once a call on this application's elements ran past its messaging timeout: what
    // was read of it since may be incomplete.
    virtual bool hasTimedOut(const AXElementRef& application) = 0;

    // True once something of this application's tree was left out to keep a read within
    // its bounds (elements, depth, text lengths) or because the tree looped back on itself:
    // what was read of it is then incomplete.
    virtual bool wasCutShort(const AXElementRef& application) = 0;

    // Copies one attribute into `value`. Anything but `success` leaves `value` null.
    virtual AXError copyAttributeValue(const AXElementRef& element, const QString& attribute,
                                       AXValue& value) = 0;

    // Performs a named action ("AXPress"); the outcome is not reported.
    virtual void performAction(const AXElementRef& element, const QString& action) = 0;

    // True while this program may read other applications' trees.
    virtual bool isProcessTrusted() = 0;

    // Asks the user to grant access (for its side effect only).
    virtual void isProcessTrustedWithPrompt() = 0;

    // Calls `changed` on the main thread whenever isProcessTrusted's answer has changed;
    // an empty function stops the calls. One observer at a time.
    virtual void observeTrust(std::function<void()> changed) = 0;
};

}  // namespace holdsheet
