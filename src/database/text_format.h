// printf-style formatting into strings, for screens and pages alike.
#pragma once

#include <cstdarg>
#include <string>

namespace hv {

void appendFormatArgs(std::string& out, const char* format, va_list args);
void appendFormat(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace hv
