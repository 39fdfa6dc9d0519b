#include "platform/gnome/GnomeHoldSource.h"

namespace holdsheet {

QString shellHoldKeyName(HoldKey key) {
    switch (key) {
        case HoldKey::control:
            return QStringLiteral("control");
        case HoldKey::alt:
            return QStringLiteral("alt");
        case HoldKey::super:
            break;
    }
    return QStringLiteral("super");
}

void GnomeHoldSource::follow(HoldKey key, std::chrono::milliseconds holdDelay) {
    if (key_ == key && holdDelay_ == holdDelay) {
        return;
    }
    if (key_ != key) {
        cancel();  // the old key's release will not be told
    }
    key_ = key;
    holdDelay_ = holdDelay;
    if (present_) {
        tell();
    }
}

void GnomeHoldSource::setPresent(bool present) {
    if (!present) {
        cancel();  // a key down as the extension went will never be released
    }
    present_ = present;
    if (present_ && key_) {
        tell();
    }
}

void GnomeHoldSource::tell() {
    extension_.setHoldKey(shellHoldKeyName(*key_));
    // The panel opens when the delay ends: releasing the key after that ends the hold, not
    // a tap on Super, which would open the overview over the panel.
    extension_.setSuppressOverviewAfter(
        *key_ == HoldKey::super ? static_cast<int>(holdDelay_.count()) : -1);
}

void GnomeHoldSource::cancel() {
    if (state_ == State::pressed && key_) {
        changed_(HeldKeyChange::interrupted, *key_);
    }
    state_ = State::up;
}

void GnomeHoldSource::event(const QString& name) {
    if (!key_ || !present_) {
        return;
    }
    if (name == QLatin1String("press")) {
        if (state_ != State::pressed) {
            state_ = State::pressed;
            changed_(HeldKeyChange::pressed, *key_);
        }
    } else if (name == QLatin1String("other")) {
        if (state_ == State::pressed) {
            state_ = State::interrupted;
            changed_(HeldKeyChange::interrupted, *key_);
        }
    } else if (name == QLatin1String("release")) {
        // After an interruption the monitors count the key as released already.
        if (std::exchange(state_, State::up) == State::pressed) {
            changed_(HeldKeyChange::released, *key_);
        }
    }
}

}  // namespace holdsheet
