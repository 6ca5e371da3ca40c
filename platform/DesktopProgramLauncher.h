#pragma once
// The programs a Linux desktop usually has, tried in a fixed order.
#include <QStringList>

#include "platform/ProgramLauncher.h"
#include "platform/ProgramStarter.h"

namespace platform {

QStringList calculatorCandidates();
QStringList textEditorCandidates();

class DesktopProgramLauncher : public ProgramLauncher {
public:
    explicit DesktopProgramLauncher(ProgramStarter starter = {});
    void startCalculator() override;
    void startTextEditor() override;
    void startFileManager() override;

private:
    ProgramStarter starter_;
};

}  // namespace platform
