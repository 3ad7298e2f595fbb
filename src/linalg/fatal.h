// Fatal conditions of the linear algebra: a fixed message, then the process
// ends with exit status 1. Nothing is handed back to the caller.
#pragma once

namespace manifit {

// Writes message and a newline to standard error, flushes, exits with 1.
[[noreturn]] void fatalToStderr(const char* message);

// Writes message and a newline to standard output, flushes, exits with 1.
[[noreturn]] void fatalToStdout(const char* message);

}  // namespace manifit
