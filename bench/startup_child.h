#pragma once

namespace bench {

// The child process for one start-up: the real start-up offscreen, timed from entering
// Startup::create to the main window shown on page 0 with the event loop idle. Prints
// "startup_ms=… peak_kib=…" once the update check has ended too.
[[noreturn]] void runStartupChild(int argc, char *argv[]);

} // namespace bench
