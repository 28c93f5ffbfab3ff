#pragma once

#include <optional>

// Reads the program's arguments before the toolkit starts, so that --help,
// --version and a wrong argument are answered without a display. The
// toolkit's own options (-platform, -style, -display, -reverse, ...) are let
// through to it. Returns the exit status when the program should end now.
std::optional<int> HandleCommandLine(int argc, char** argv);
