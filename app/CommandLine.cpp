#include "app/CommandLine.h"

#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <string>

#include "core/LocalNames.h"

QStringList commandArguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << kv::argumentText(argv[i]);
    return args;
}

void holdClosedOutput() {
    if (::fcntl(STDOUT_FILENO, F_GETFD) != -1) return;
    std::cout.setstate(std::ios::badbit);
    ::open("/dev/null", O_WRONLY);  // the lowest free descriptor: this one
}

QByteArray desktopProgramPath() {
    // Read without an application object: the hand-over happens before one is made.
    std::string self(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size());
    self.resize(length > 0 ? size_t(length) : 0);
    return QByteArray::fromStdString(self.substr(0, self.rfind('/') + 1)) + "kvantor2-desktop";
}
