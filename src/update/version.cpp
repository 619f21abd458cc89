#include "update/version.h"

#include <QStringList>

QString FourNumbers::text() const
{
    return QStringLiteral("%1.%2.%3.%4").arg(n[0]).arg(n[1]).arg(n[2]).arg(n[3]);
}

std::optional<FourNumbers> FourNumbers::parse(const QString &text)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    FourNumbers v;
    for (int i = 0; i < 4; ++i) {
        const QString &part = parts[i];
        if (part.isEmpty() || part.size() > 5)
            return std::nullopt;
        for (QChar c : part)
            if (c < u'0' || c > u'9')
                return std::nullopt;
        const uint value = part.toUInt();
        if (value > 65535)
            return std::nullopt;
        v.n[i] = quint16(value);
    }
    return v;
}

int FourNumbers::compare(const QString &a, const QString &b)
{
    const FourNumbers va = parse(a).value_or(FourNumbers{});
    const FourNumbers vb = parse(b).value_or(FourNumbers{});
    return va < vb ? -1 : (vb < va ? 1 : 0);
}
