// The program's entry: sets up the real terminal and environment and runs
// start-up, giving the terminal back on every way out.
#pragma once

namespace hv {

int programMain(int argc, char** argv);

}  // namespace hv
