#include "harvest/AccessibilityReaders.h"

#include <cmath>

namespace holdsheet {

namespace {

AXValue copy(Accessibility& ax, const AXElementRef& element, const QString& name) {
    AXValue value;
    if (!element || ax.copyAttributeValue(element, name, value) != AXError::success) {
        return {};
    }
    return value;
}

}  // namespace

std::optional<QString> stringAttribute(Accessibility& ax, const AXElementRef& element,
                                       const QString& name) {
    AXValue value = copy(ax, element, name);
    if (auto* text = std::get_if<QString>(&value.data)) {
        return std::move(*text);
    }
    return std::nullopt;
}

std::optional<qint64> intAttribute(Accessibility& ax, const AXElementRef& element,
                                   const QString& name) {
    AXValue value = copy(ax, element, name);
    if (auto* number = std::get_if<qint64>(&value.data)) {
        return *number;
    }
    if (auto* flag = std::get_if<bool>(&value.data)) {
        return *flag ? 1 : 0;
    }
    if (auto* real = std::get_if<double>(&value.data)) {
        // A real that has no integer value (NaN, out of range) is as good as absent;
        // converting it would be undefined.
        constexpr double limit = 9.2e18;
        if (std::isfinite(*real) && std::fabs(*real) < limit) {
            return static_cast<qint64>(*real);
        }
    }
    return std::nullopt;
}

std::optional<bool> boolAttribute(Accessibility& ax, const AXElementRef& element,
                                  const QString& name) {
    AXValue value = copy(ax, element, name);
    if (auto* flag = std::get_if<bool>(&value.data)) {
        return *flag;
    }
    if (auto* number = std::get_if<qint64>(&value.data)) {
        return *number != 0;
    }
    if (auto* real = std::get_if<double>(&value.data)) {
        return *real != 0.0;
    }
    return std::nullopt;
}

std::vector<AXElementRef> childElements(Accessibility& ax, const AXElementRef& element) {
    AXValue value = copy(ax, element, QStringLiteral("AXChildren"));
    std::vector<AXElementRef> children;
    if (auto* list = std::get_if<AXValue::Elements>(&value.data)) {
        children.reserve(list->size());
        for (auto& child : *list) {
            if (child) {
                children.push_back(std::move(child));
            }
        }
    }
    return children;
}

}  // namespace holdsheet
