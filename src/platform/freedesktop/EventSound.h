#pragma once

#include <memory>

struct ca_context;

namespace holdsheet {

// The desktop's event sounds through the sound theme: the one way a Wayland client can ring
// the bell, which the X server no longer offers it.
class EventSound {
  public:
    EventSound();
    ~EventSound();
    EventSound(const EventSound&) = delete;
    EventSound& operator=(const EventSound&) = delete;

    // Plays the theme's sound of `eventId` ("bell") without waiting for it; false when no
    // sound could be started (no sound server, no such sound).
    bool play(const char* eventId);

  private:
    struct Destroy {
        void operator()(ca_context* context) const;
    };
    std::unique_ptr<ca_context, Destroy> context_;
};

}  // namespace holdsheet
