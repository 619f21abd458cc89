#include "app/fileversion.h"

#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint32_t kNoteType = 0x54565201; // "TVR" 1
constexpr char kNoteName[] = "Tarvolo";

template <typename T> bool readAt(const QByteArray &data, qint64 offset, T &out)
{
    if (offset < 0 || offset + qint64(sizeof(T)) > data.size())
        return false;
    std::memcpy(&out, data.constData() + offset, sizeof(T));
    return true;
}

struct Segment
{
    qint64 offset;
    qint64 size;
};

// Walks the notes of one PT_NOTE segment.
QString versionInNotes(const QByteArray &data, Segment seg)
{
    qint64 pos = seg.offset;
    const qint64 end = seg.offset + seg.size;
    while (pos + 12 <= end) {
        std::uint32_t namesz = 0, descsz = 0, type = 0;
        if (!readAt(data, pos, namesz) || !readAt(data, pos + 4, descsz) ||
            !readAt(data, pos + 8, type))
            return {};
        const qint64 nameAt = pos + 12;
        const qint64 descAt = nameAt + ((qint64(namesz) + 3) & ~qint64(3));
        const qint64 next = descAt + ((qint64(descsz) + 3) & ~qint64(3));
        if (next > end || next > data.size())
            return {};
        if (type == kNoteType && namesz == sizeof kNoteName &&
            std::memcmp(data.constData() + nameAt, kNoteName, sizeof kNoteName) == 0 &&
            descsz >= 8) {
            std::uint16_t v[4];
            std::memcpy(v, data.constData() + descAt, sizeof v);
            return QStringLiteral("%1.%2.%3.%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]);
        }
        pos = next;
    }
    return {};
}

} // namespace

QString GetFileVersion(const QString &FileName)
{
    if (!QFileInfo(FileName).isFile())
        return QStringLiteral("-1");
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The header and program headers sit at the start; map the file rather than copying it.
    const qint64 size = file.size();
    uchar *mapped = file.map(0, size);
    if (!mapped)
        return {};
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size);
    if (size < 64 ||
        std::memcmp(data.constData(),
                    "\x7f"
                    "ELF",
                    4) != 0 ||
        data[4] != 2 /* 64-bit */ || data[5] != 1 /* little endian */)
        return {};
    std::uint64_t phoff = 0;
    std::uint16_t phentsize = 0, phnum = 0;
    readAt(data, 32, phoff);
    readAt(data, 54, phentsize);
    readAt(data, 56, phnum);
    for (int i = 0; i < phnum; ++i) {
        const qint64 ph = qint64(phoff) + qint64(i) * phentsize;
        std::uint32_t type = 0;
        std::uint64_t offset = 0, filesz = 0;
        if (!readAt(data, ph, type) || !readAt(data, ph + 8, offset) ||
            !readAt(data, ph + 32, filesz))
            return {};
        if (type != 4 /* PT_NOTE */)
            continue;
        const QString version = versionInNotes(data, {qint64(offset), qint64(filesz)});
        if (!version.isEmpty())
            return version;
    }
    return {};
}
