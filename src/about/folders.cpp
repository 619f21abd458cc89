#include "about/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString programFolder(const QString &programFile, int kind)
{
    QString folder;
    switch (kind) {
    case 0:
        return QDir::toNativeSeparators(QFileInfo(programFile).absolutePath() + QLatin1Char('/'));
    case 1:
        // Linux has no machine-wide folder a user may write to: the user's data folder stands in
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        break;
    case 2:
        folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        break;
    default:
        return {};
    }
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return QDir::toNativeSeparators(folder);
}
