#pragma once

#include <QList>

namespace bench {

// Figures taken in this process on one real start-up: every run of each, in milliseconds.
struct WindowFigures
{
    QList<double> keystroke;
    QList<double> pageSwitch; // one round: three switches, each shown
    QList<double> screenshot;
};

// Starts the program offscreen, fills the page "Ausfallfaktoren" with all its sections and
// takes the figures. Problems found on the way (a result that did not follow) go to stderr.
WindowFigures measureWindowFigures(int keystrokes, int rounds, int screenshots);

} // namespace bench
