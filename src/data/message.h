// printf-style formatting into a string, for the messages carried by a Status.
#pragma once

#include <string>

namespace manifit {

std::string formatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace manifit
