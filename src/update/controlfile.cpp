#include "update/controlfile.h"

#include <QHash>

namespace {

// A server's text shown in a status line: one line, bounded.
QString quoted(const QString &s)
{
    QString t = s.left(60);
    for (QChar &c : t)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return u'"' + t + (s.size() > 60 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

// A name that stays inside its folder: no separators, no "..", nothing invisible.
bool isPlainName(const QString &name)
{
    if (name.isEmpty() || name.size() > 200 || name == u"." || name == u"..")
        return false;
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control)
            return false;
    return true;
}

using Sections = QHash<QString, QHash<QString, QString>>;

bool readSections(const QString &text, Sections &sections, QString *error)
{
    QString current;
    int lineNo = 0;
    for (QStringView raw : QStringView(text).split(u'\n')) {
        ++lineNo;
        const QString line = raw.trimmed().toString();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || line.size() < 3) {
                *error = QStringLiteral("line %1 is no section header").arg(lineNo);
                return false;
            }
            current = line.mid(1, line.size() - 2).trimmed().toLower();
            sections[current];
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || current.isEmpty()) {
            *error = QStringLiteral("line %1 is no key=value in a section").arg(lineNo);
            return false;
        }
        sections[current][line.left(eq).trimmed().toLower()] = line.mid(eq + 1).trimmed();
    }
    return true;
}

} // namespace

std::optional<ControlFile> ControlFile::parse(const QByteArray &data, QString *error)
{
    QString dummy;
    if (!error)
        error = &dummy;
    if (data.contains('\0')) {
        *error = QStringLiteral("not a text file");
        return std::nullopt;
    }
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    Sections sections;
    if (!readSections(text, sections, error))
        return std::nullopt;

    ControlFile cf;
    const auto version = sections.value(QStringLiteral("version"));
    const QString number = version.value(QStringLiteral("number"));
    if (number.isEmpty()) {
        *error = QStringLiteral("no version number in [Version]");
        return std::nullopt;
    }
    const auto parsed = FourNumbers::parse(number);
    if (!parsed) {
        *error = QStringLiteral("version number %1 is not four numbers").arg(quoted(number));
        return std::nullopt;
    }
    cf.version = *parsed;
    cf.versionText = version.value(QStringLiteral("text"), number);
    for (QChar &c : cf.versionText)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    cf.date = version.value(QStringLiteral("date"));

    const QString whatsNew =
        sections.value(QStringLiteral("whatsnew")).value(QStringLiteral("file"));
    if (!whatsNew.isEmpty() && !isPlainName(whatsNew)) {
        *error = QStringLiteral("what's-new file %1 is no plain file name").arg(quoted(whatsNew));
        return std::nullopt;
    }
    cf.whatsNewFile = whatsNew;

    const auto files = sections.value(QStringLiteral("files"));
    const QString countText = files.value(QStringLiteral("count"), QStringLiteral("0"));
    bool ok = false;
    const int count = countText.toInt(&ok);
    if (!ok || count < 0 || count > 1000) {
        *error = QStringLiteral("file count %1 is no number from 0 to 1000").arg(quoted(countText));
        return std::nullopt;
    }
    for (int i = 1; i <= count; ++i) {
        File f;
        f.name = files.value(QStringLiteral("file%1").arg(i));
        if (!isPlainName(f.name)) {
            *error = QStringLiteral("File%1 %2 is no plain file name").arg(i).arg(quoted(f.name));
            return std::nullopt;
        }
        const QString size = files.value(QStringLiteral("size%1").arg(i));
        if (!size.isEmpty()) {
            f.size = size.toLongLong(&ok);
            if (!ok || f.size < 0) {
                *error = QStringLiteral("Size%1 %2 is no size").arg(i).arg(quoted(size));
                return std::nullopt;
            }
        }
        cf.files.append(f);
    }
    return cf;
}
