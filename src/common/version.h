// The version of the manifit programs and library.
#pragma once

namespace manifit {

constexpr const char* kVersion = "0.1.0";

}  // namespace manifit
