#pragma once

// libcurl's global set-up, done once for the update check and the feedback mail alike. It is
// never torn down: an update check may still run when the program leaves.
void initCurlOnce();
