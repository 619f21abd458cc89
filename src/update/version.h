#pragma once

#include <QString>
#include <array>
#include <optional>

// A version as four numbers: major, minor, release, build.
struct FourNumbers
{
    std::array<quint16, 4> n{};

    QString text() const; // "1.0.3.12"
    auto operator<=>(const FourNumbers &) const = default;

    // "a.b.c.d" with four numbers 0..65535 and nothing else; fewer parts or any other text fail.
    static std::optional<FourNumbers> parse(const QString &text);
    // -1, 0 or 1 as a is older than, equal to or newer than b; a text that is no version counts
    // as 0.0.0.0, so that a program file without a stamp takes any update.
    static int compare(const QString &a, const QString &b);
};
