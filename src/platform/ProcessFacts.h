#pragma once

#include <sys/types.h>

namespace holdsheet {

// What the program file and command line of a process tell about it.
class ProcessFacts {
  public:
    struct Facts {
        bool running = false;
        // Built on a browser engine that builds its accessibility tree only on demand
        // (web browsers and desktop applications made of web pages).
        bool browserEngine = false;
        // Started with that engine's switch that builds the tree from the start.
        bool accessibilityForced = false;
    };
    virtual ~ProcessFacts() = default;
    // Blocking, but quick (local files only); safe from any thread.
    virtual Facts of(pid_t pid) const = 0;
};

}  // namespace holdsheet
