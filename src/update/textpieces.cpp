#include "update/textpieces.h"

namespace TextPieces {

qsizetype Pos(const QString &sub, const QString &s)
{
    return s.indexOf(sub) + 1;
}

QString Copy(const QString &s, qsizetype start, qsizetype count)
{
    if (start < 1)
        start = 1;
    if (start > s.size() || count < 1)
        return {};
    return s.mid(start - 1, qMin(count, s.size() - start + 1));
}

} // namespace TextPieces

bool isVersionCompareLine(const QString &line)
{
    return line.contains(QStringLiteral("Version check : Version compare"));
}

VersionLineVersions versionsOfCompareLine(const QString &line)
{
    using namespace TextPieces;
    static const QString with = QStringLiteral(" with ");
    VersionLineVersions v;
    const qsizetype w = Pos(with, line);
    if (w == 0)
        return v; // without " with " the line names neither version
    // the executable has no ".exe" here: the local version follows the last ":" before " with "
    const qsizetype p = line.lastIndexOf(u':', w - 1) + 1;
    v.local = Copy(line, p + 1, w - p - 1);
    const QString r = Copy(line, w + 6, 100);
    v.server = Copy(r, 1, Pos(QStringLiteral(":"), r) - 1);
    return v;
}
