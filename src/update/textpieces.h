#pragma once

#include <QString>

// Text positions as the update page counts them: from 1, 0 for "not found".
namespace TextPieces {

// Position of the first sub in s, or 0.
qsizetype Pos(const QString &sub, const QString &s);

// The piece of s from start, count characters: a start below 1 counts as 1; a start past the
// end or a count below 1 gives ""; a count past the end stops at the end.
QString Copy(const QString &s, qsizetype start, qsizetype count);

} // namespace TextPieces

// The two versions the version-compare line names.
struct VersionLineVersions
{
    QString local;  // the piece between the last ":" before the first " with " and that " with "
    QString server; // behind " with ", at most 100 characters of it, up to its first ":"
};

// Reads a status line of the update component; nothing for any line but the version compare.
bool isVersionCompareLine(const QString &line);
VersionLineVersions versionsOfCompareLine(const QString &line);
