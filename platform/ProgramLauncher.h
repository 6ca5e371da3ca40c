#pragma once
// Starts the desktop's own calculator, text editor and file manager.
namespace platform {

// Each returns at once; the program runs on its own. When none of the kind is
// installed, or none could be started, throws kv::Error naming what was tried.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void startCalculator() = 0;
    virtual void startTextEditor() = 0;
    // On the root folder.
    virtual void startFileManager() = 0;
};

}  // namespace platform
