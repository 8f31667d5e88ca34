#include "database/text_format.h"

#include <cstdio>

namespace hv {

void appendFormatArgs(std::string& out, const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int needed = std::vsnprintf(small, sizeof small, format, args);
    if (needed >= 0 && static_cast<size_t>(needed) < sizeof small) {
        out.append(small, static_cast<size_t>(needed));
    } else if (needed >= 0) {
        size_t at = out.size();
        out.resize(at + static_cast<size_t>(needed) + 1);
        std::vsnprintf(out.data() + at, static_cast<size_t>(needed) + 1, format, copy);
        out.resize(at + static_cast<size_t>(needed));
    }
    va_end(copy);
}

void appendFormat(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    appendFormatArgs(out, format, args);
    va_end(args);
}

std::string formatText(const char* format, ...) {
    std::string out;
    va_list args;
    va_start(args, format);
    appendFormatArgs(out, format, args);
    va_end(args);
    return out;
}

}  // namespace hv
