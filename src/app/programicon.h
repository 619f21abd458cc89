#pragma once

#include <QIcon>

// The program's icon (a calculator with a clock): the window icon and the about dialog's
// picture. The same picture is installed for the desktop entry.
QIcon programIcon();
