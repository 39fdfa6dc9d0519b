#pragma once

#include "platform/Appearance.h"
#include "platform/ApplicationControl.h"
#include "platform/SystemLog.h"

#include <QStringList>

#include <chrono>
#include <optional>
#include <utility>
#include <vector>

namespace holdsheet::testing {

class FakeAppearance : public Appearance {
  public:
    std::optional<Look> appearance() const override { return look; }
    void setAppearance(std::optional<Look> wanted) override {
        look = wanted;
        ++changes;
    }
    std::optional<Look> look;
    int changes = 0;
};

class FakeLog : public SystemLog {
  public:
    void log(const QString& line) override { lines << line; }
    QStringList lines;
};

class FakeApplicationControl : public ApplicationControl {
  public:
    void terminate() override { ++terminations; }
    void exitProcess(int status) override { exits.push_back(status); }
    void exitProcessAfter(std::chrono::milliseconds delay, int status) override {
        delayedExits.emplace_back(delay, status);
    }
    int terminations = 0;
    std::vector<int> exits;
    std::vector<std::pair<std::chrono::milliseconds, int>> delayedExits;
};

}  // namespace holdsheet::testing
