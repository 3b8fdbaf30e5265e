#include "simhost/desktop/TryMode.h"

#include <cstdio>

// The substitute window system has no menus, list boxes or message loop of its own.
int RunTryMode(const std::string&, const std::string&) {
    std::fprintf(stderr, "The interactive host needs Windows: run the Windows build under Wine "
                         "(./run try does).\n");
    return 2;
}
