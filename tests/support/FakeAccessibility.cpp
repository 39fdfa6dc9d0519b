#include "support/FakeAccessibility.h"

#include <algorithm>
#include <optional>

namespace holdsheet::testing {

FakeElement& FakeElement::set(const QString& attribute, AXValue value) {
    attributes_[attribute] = std::move(value);
    return *this;
}

FakeElement& FakeElement::fail(const QString& attribute, AXError error) {
    attributes_[attribute] = error;
    return *this;
}

FakeElement& FakeElement::addChild(const QString& role, const QString& childLabel) {
    auto child = std::make_shared<FakeElement>(childLabel, this);
    child->set("AXRole", role);
    children_.push_back(child);
    return *child;
}

FakeElement& FakeElement::menu(const QString& title) {
    FakeElement& barItem = addChild("AXMenuBarItem", title);
    barItem.set("AXTitle", title);
    return barItem.addChild("AXMenu", title + " menu");
}

FakeElement& FakeElement::item(const QString& title) {
    return addChild("AXMenuItem", title).set("AXTitle", title);
}

FakeElement& FakeElement::submenu() {
    return addChild("AXMenu", label + " submenu");
}

FakeElement& FakeAccessibility::application(pid_t pid) {
    std::lock_guard lock(mutex_);
    auto& app = applications_[pid];
    if (!app) {
        app = std::make_shared<FakeElement>(QStringLiteral("application %1").arg(pid));
        app->set("AXRole", "AXApplication");
    }
    return *app;
}

FakeElement& FakeAccessibility::menuBar(pid_t pid) {
    FakeElement& app = application(pid);
    if (app.children_.empty()) {
        app.set("AXMenuBar", app.addChild("AXMenuBar", "menu bar").ref());
    }
    return *app.children_.front();
}

AXElementRef FakeAccessibility::createApplication(pid_t pid) {
    std::lock_guard lock(mutex_);
    auto found = applications_.find(pid);
    if (found != applications_.end()) {
        return found->second;
    }
    // Not on the bus: an element on which every read fails, as the adapter's do.
    auto missing = std::make_shared<FakeElement>(QStringLiteral("missing %1").arg(pid));
    missing->fail("AXMenuBar", AXError::invalidElement);
    return missing;
}

void FakeAccessibility::setMessagingTimeout(const AXElementRef& application, double seconds) {
    std::lock_guard lock(mutex_);
    for (const auto& [pid, app] : applications_) {
        if (app == application) {
            timeouts_[pid] = seconds;
            readsBeforeTimeout_[pid] =
                std::count_if(reads_.begin(), reads_.end(),
                              [&](const Read& read) { return read.element == app.get(); });
        }
    }
}

bool FakeAccessibility::hasTimedOut(const AXElementRef& application) {
    std::lock_guard lock(mutex_);
    return std::any_of(silent.begin(), silent.end(), [&](pid_t pid) {
        return applications_.contains(pid) && applications_.at(pid) == application;
    });
}

bool FakeAccessibility::wasCutShort(const AXElementRef& application) {
    std::lock_guard lock(mutex_);
    return std::any_of(oversized.begin(), oversized.end(), [&](pid_t pid) {
        return applications_.contains(pid) && applications_.at(pid) == application;
    });
}

AXError FakeAccessibility::copyAttributeValue(const AXElementRef& element, const QString& attribute,
                                              AXValue& value) {
    value = AXValue();
    const auto* fake = dynamic_cast<const FakeElement*>(element.get());
    std::lock_guard lock(mutex_);
    reads_.push_back({fake, attribute});
    if (!fake) {
        return AXError::illegalArgument;
    }
    auto found = fake->attributes_.find(attribute);
    if (found != fake->attributes_.end()) {
        if (const auto* error = std::get_if<AXError>(&found->second)) {
            return *error;
        }
        value = std::get<AXValue>(found->second);
        return AXError::success;
    }
    if (attribute == QLatin1String("AXChildren") && !fake->children_.empty()) {
        value = AXValue::Elements(fake->children_.begin(), fake->children_.end());
        return AXError::success;
    }
    return AXError::noValue;
}

void FakeAccessibility::performAction(const AXElementRef& element, const QString& action) {
    std::lock_guard lock(mutex_);
    presses_.emplace_back(dynamic_cast<const FakeElement*>(element.get()), action);
}

std::vector<FakeAccessibility::Read> FakeAccessibility::reads() const {
    std::lock_guard lock(mutex_);
    return reads_;
}

int FakeAccessibility::readCount(const FakeElement& element, const QString& attribute) const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(reads_.begin(), reads_.end(), [&](const Read& read) {
        return read.element == &element && (attribute.isEmpty() || read.attribute == attribute);
    }));
}

bool FakeAccessibility::wasTouchedBelow(const FakeElement& element) const {
    return wasRead(element) ||
           std::any_of(element.children_.begin(), element.children_.end(),
                       [this](const auto& child) { return wasTouchedBelow(*child); });
}

std::vector<std::pair<const FakeElement*, QString>> FakeAccessibility::presses() const {
    std::lock_guard lock(mutex_);
    return presses_;
}

std::optional<double> FakeAccessibility::timeoutOf(pid_t pid) const {
    std::lock_guard lock(mutex_);
    auto found = timeouts_.find(pid);
    return found == timeouts_.end() ? std::nullopt : std::optional<double>(found->second);
}

bool FakeAccessibility::timeoutSetBeforeFirstRead(pid_t pid) const {
    std::lock_guard lock(mutex_);
    auto found = readsBeforeTimeout_.find(pid);
    return found != readsBeforeTimeout_.end() && found->second == 0;
}

}  // namespace holdsheet::testing
