#pragma once

#include "platform/Accessibility.h"

#include <optional>

namespace holdsheet {

// Typed reads of one attribute. None reports an error: a failed copy, a null value or a
// value of another type reads as absent.
std::optional<QString> stringAttribute(Accessibility& ax, const AXElementRef& element,
                                       const QString& name);
std::optional<qint64> intAttribute(Accessibility& ax, const AXElementRef& element,
                                   const QString& name);
// nullopt is "unknown": callers decide what an unreadable flag means.
std::optional<bool> boolAttribute(Accessibility& ax, const AXElementRef& element,
                                  const QString& name);
// "AXChildren" in the platform's order; empty when unreadable.
std::vector<AXElementRef> childElements(Accessibility& ax, const AXElementRef& element);

}  // namespace holdsheet
