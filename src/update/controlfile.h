#pragma once

#include "update/version.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The update server's control file "/Tarvolo.INF", an INI file (the format is in the README).
struct ControlFile
{
    struct File
    {
        QString name;     // a plain file name in the FTP directory and the program's folder
        qint64 size = -1; // -1: not given
    };

    QString versionText;  // what the update calls itself ("Server" on the page)
    FourNumbers version;  // compared with the program file's stamp
    QString date;         // dd/mm/yyyy, for people only
    QString whatsNewFile; // empty: no what's-new text
    QList<File> files;

    // Reads the file's bytes; on failure says why in error and gives nothing.
    static std::optional<ControlFile> parse(const QByteArray &data, QString *error);
};
