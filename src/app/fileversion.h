#pragma once

#include <QString>

// The version stamp a file carries: "-1" for a missing file, "" for a file without a stamp,
// else four numbers joined by ".". The stamp is an ELF note "Tarvolo" written at build.
QString GetFileVersion(const QString &FileName);
