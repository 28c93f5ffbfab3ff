#pragma once

#include <optional>

// Reads the program's arguments before the toolkit starts, so that --help,
// --version and a wrong argument are answered without a display. The
// toolkit's own options (-platform, -style, -display, -reverse, ...) are let
// through to it. Returns the exit status when the program should end now.
std::optional<int> HandleCommandLine(int argc, char** argv);

// While the toolkit starts, its messages are held back, and where it can
// open no display at all (DISPLAY or WAYLAND_DISPLAY set but dead) the
// program ends with one line and status 1 instead of the toolkit's abort.
// Release prints what was held back, once the toolkit has started.
void HoldToolkitStartUpMessages();
void ReleaseToolkitStartUpMessages();
