// The options the program knows besides its start argument.
#pragma once

#include <string>
#include <vector>

namespace hv {

constexpr const char* kProgramVersion = "1.0";

enum class CommandLineAction { Run, KeyDiagnostic, Help, Version, Publish, Unknown };

// The first argument that begins with "-" decides; "--keys" counts only as
// the first argument, as it always has. Anything else runs the program.
CommandLineAction commandLineAction(const std::vector<std::string>& args);

std::string usageText();

}  // namespace hv
