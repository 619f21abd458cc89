#pragma once

#include <QString>

// The folders the about dialog works with, by kind: 0 the program's own folder (with a trailing
// separator), 1 the shared data folder, 2 the user's local data folder (both without a trailing
// separator; empty when the system names none).
QString programFolder(const QString &programFile, int kind);
