#include "program.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app.h"

namespace hv {

int programMain(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    (void)args;
    std::puts("hitvault: not yet wired");
    return 0;
}

}  // namespace hv
