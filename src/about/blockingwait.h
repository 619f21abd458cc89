#pragma once

#include <QString>
#include <functional>

// Runs work on a worker thread while the GUI thread waits for it in a local event loop. The
// windows keep repainting and timers run, but every user input to every window is dropped
// meanwhile, so to the user it is the blocking call it stands for. Returns work's result.
QString runWhileInputBlocked(const std::function<QString()> &work);
