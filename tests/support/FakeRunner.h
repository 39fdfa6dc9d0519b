#pragma once

#include "platform/ProcessRunner.h"

#include <set>
#include <string>
#include <vector>

namespace holdsheet::testing {

// Records what would have run; nothing is installed, so running and launching fail, unless
// a test lists a program as installed: launching that one succeeds.
class FakeRunner : public ProcessRunner {
  public:
    bool run(const QString& program, const QStringList& arguments) override {
        log.push_back((program + " " + arguments.join(' ')).toStdString());
        return false;
    }
    bool openUrl(const QString& address) override {
        log.push_back("open " + address.toStdString());
        return true;
    }
    bool launch(const QString& program, const QStringList& arguments) override {
        log.push_back(("launch " + program + " " + arguments.join(' ')).toStdString());
        return installed.contains(program);
    }
    bool isInstalled(const QString& program) override { return installed.contains(program); }
    std::set<QString> installed;
    std::vector<std::string> log;
};

}  // namespace holdsheet::testing
