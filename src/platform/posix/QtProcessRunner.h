#pragma once

#include "platform/ProcessRunner.h"

namespace holdsheet {

class QtProcessRunner : public ProcessRunner {
  public:
    bool run(const QString& program, const QStringList& arguments) override;
    bool openUrl(const QString& address) override;
    bool launch(const QString& program, const QStringList& arguments) override;
    bool isInstalled(const QString& program) override;
};

}  // namespace holdsheet
