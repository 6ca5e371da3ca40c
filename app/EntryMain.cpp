// The program's entry on the path. Started bare it becomes the desktop
// program (the launcher bar) at once; given a command it loads the commands
// (lib/kvantor2-commands.so, CommandModule.cpp) and runs it. It links nothing but
// the C library: the bar's start does not wait for QtCore to be loaded twice,
// and a command pays only for the one dlopen it would otherwise have had
// the loader do.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The file `name` beside this executable (links followed), in `path`.
bool besideSelf(const char* name, char* path, size_t size) {
    const ssize_t length = ::readlink("/proc/self/exe", path, size);
    if (length <= 0 || size_t(length) >= size) return false;
    path[length] = '\0';
    char* slash = std::strrchr(path, '/');
    if (!slash || size_t(slash + 1 - path) + std::strlen(name) >= size) return false;
    std::strcpy(slash + 1, name);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool command = argc > 1;
    char path[4096];
    if (!besideSelf(command ? "lib/kvantor2-commands.so" : "kvantor2-desktop", path, sizeof path)) {
        std::fputs("Kvantor2: can't find its own folder\n", stderr);
        return 1;
    }
    if (command) {
        void* commands = ::dlopen(path, RTLD_LAZY | RTLD_LOCAL);
        using Run = int (*)(int, char**);
        Run run = commands ? reinterpret_cast<Run>(::dlsym(commands, "kvantor2_command_main")) : nullptr;
        if (!run) {
            std::fprintf(stderr, "Kvantor2: can't load the commands: %s\n", ::dlerror());
            return 1;
        }
        return run(argc, argv);
    }
    ::execv(path, argv);
    std::fprintf(stderr, "Kvantor2: can't start the desktop program %s: %s\n", path, std::strerror(errno));
    return 1;
}
