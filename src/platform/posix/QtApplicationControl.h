#pragma once

#include "platform/ApplicationControl.h"

namespace holdsheet {

class QtApplicationControl : public ApplicationControl {
  public:
    void terminate() override;
    void exitProcess(int status) override;
    void exitProcessAfter(std::chrono::milliseconds delay, int status) override;
};

}  // namespace holdsheet
