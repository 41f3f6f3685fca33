#pragma once

#include <string>

// A line on standard output.
int Print(const std::string& text);
// A message box (where there is a display), also printed to standard error.
int Notify(const std::string& text, int serious = 0);
// A fatal error: the message is shown and printed to standard error and the
// program ends with a failure status.
[[noreturn]] void RuntimeError(const std::string& text);
// Ends the program normally.
[[noreturn]] void End();
