#include "platform/freedesktop/EventSound.h"

#include <canberra.h>

namespace holdsheet {

void EventSound::Destroy::operator()(ca_context* context) const {
    ca_context_destroy(context);
}

EventSound::EventSound() {
    ca_context* context = nullptr;
    if (ca_context_create(&context) == CA_SUCCESS) {
        context_.reset(context);
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Holdsheet",
                                CA_PROP_APPLICATION_ID, "org.holdsheet.Holdsheet", nullptr);
    }
}

EventSound::~EventSound() = default;

bool EventSound::play(const char* eventId) {
    return context_ &&
           ca_context_play(context_.get(), 0, CA_PROP_EVENT_ID, eventId, nullptr) == CA_SUCCESS;
}

}  // namespace holdsheet
