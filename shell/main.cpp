#include <cstdio>

#include "shell/application.h"

int main(int argc, char** argv) {
    if (!shell::hasDisplay()) {
        std::fputs("kestrun: no display: DISPLAY and WAYLAND_DISPLAY are not set; start it in a desktop "
                   "session (or under Xvfb, or with QT_QPA_PLATFORM=offscreen)\n",
                   stderr);
        return 1;
    }
    return shell::run(argc, argv);
}
