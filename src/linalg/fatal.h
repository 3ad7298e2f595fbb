// Fatal conditions of the linear algebra: a fixed message that ends the run
// with exit status 1. The condition is thrown as a RunFailure, which the
// entry point of the run turns into its failed status; the program then
// prints the message on its stream and ends with that status.
#pragma once

namespace manifit {

// Ends the run with message and a newline for standard error, status 1.
[[noreturn]] void fatalToStderr(const char* message);

// Ends the run with message and a newline for standard output, status 1.
[[noreturn]] void fatalToStdout(const char* message);

}  // namespace manifit
