#pragma once

#include <QList>

namespace bench {

// Figures taken in this process on one real start-up: every run of each, in milliseconds.
struct WindowFigures
{
    QList<double> keystroke;
    // to "Stundenlohnberechnung", to "Urlaub", back to "Ausfallfaktoren"; each until shown
    QList<double> pageSwitch[3];
    QList<double> pageRound; // the three switches of a round together
    QList<double> screenshot;
};

// Starts the program offscreen, fills the page "Ausfallfaktoren" with all its sections and
// takes the figures. Problems found on the way (a result that did not follow) go to stderr.
WindowFigures measureWindowFigures(int keystrokes, int rounds, int screenshots);

} // namespace bench
