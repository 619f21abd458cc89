#include "calc/numbers.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace calc {

namespace {

std::string_view trimmed(std::string_view s)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number as its digits: value = (negative ? -1 : 1) * 0.digits * 10^pointPos.
struct Decimal
{
    bool negative = false;
    std::string digits; // no leading zeros; empty means zero
    int pointPos = 0;   // digits before the decimal point
};

// Parses [sign] digits [, digits] [(e|E) [sign] digits] with a decimal comma.
// At least one digit before the exponent; "12," is accepted (the comma while typing).
std::optional<Decimal> parseDecimal(std::string_view s)
{
    s = trimmed(s);
    Decimal d;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        d.negative = s[i] == '-';
        ++i;
    }
    std::string mantissa;
    int intDigits = 0;
    bool any = false;
    while (i < s.size() && isDigit(s[i])) {
        mantissa += s[i++];
        ++intDigits;
        any = true;
    }
    if (i < s.size() && s[i] == ',') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            mantissa += s[i++];
            any = true;
        }
    }
    if (!any)
        return std::nullopt;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        if (i >= s.size() || !isDigit(s[i]))
            return std::nullopt;
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (expNegative)
            exponent = -exponent;
    }
    if (i != s.size())
        return std::nullopt;
    // strip leading zeros
    std::size_t lead = 0;
    while (lead < mantissa.size() && mantissa[lead] == '0')
        ++lead;
    d.pointPos = intDigits - static_cast<int>(lead) + static_cast<int>(exponent);
    mantissa.erase(0, lead);
    while (!mantissa.empty() && mantissa.back() == '0')
        mantissa.pop_back();
    d.digits = mantissa;
    if (d.digits.empty()) {
        d.pointPos = 0;
        d.negative = false;
    }
    return d;
}

double toDouble(const Decimal &d)
{
    if (d.digits.empty())
        return 0.0;
    std::string text = (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.pointPos);
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range)
        return d.negative ? -HUGE_VAL : HUGE_VAL;
    (void)ptr;
    return value;
}

std::string removeDots(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '.')
            out += c;
    return out;
}

std::string conversionMessage(std::string_view text)
{
    std::string message;
    message.reserve(text.size() + 40);
    message.append(1, '\'').append(text).append("' ist kein gültiger Gleitkommawert");
    return message;
}

} // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error(conversionMessage(text))
{
}

double f_Zahl(std::string_view sString)
{
    const auto d = parseDecimal(removeDots(sString));
    return d ? toDouble(*d) : 0.0;
}

double strictReading(std::string_view sString)
{
    const auto d = parseDecimal(sString);
    if (!d)
        throw ConversionError(sString);
    return toDouble(*d);
}

double textOrZero(std::string_view sString)
{
    return sString.empty() ? 0.0 : strictReading(sString);
}

bool isStrictNumber(std::string_view sString)
{
    return parseDecimal(sString).has_value();
}

std::string numberText(double value)
{
    if (value == 0.0 || std::isnan(value))
        return "0";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[64];
    auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    (void)ec;
    std::string text(buffer, ptr);
    for (char &c : text)
        if (c == '.')
            c = ',';
    return text;
}

std::string shownText(std::string_view text, int decimals, FieldKind kind)
{
    Decimal d = parseDecimal(removeDots(text)).value_or(Decimal{});

    // Round half away from zero on the decimal digits: keep pointPos + decimals digits.
    std::string digits = d.digits;
    int pointPos = d.pointPos;
    const int keep = pointPos + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (static_cast<int>(digits.size()) > keep) {
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[i] == '9') {
                digits[i] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[i];
            } else {
                digits.insert(digits.begin(), '1');
                ++pointPos;
            }
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    const bool zero = digits.empty();

    // Lay the digits out as integer and fraction part.
    std::string intPart;
    std::string fracPart;
    for (int pos = 0; pos < pointPos; ++pos)
        intPart += pos < static_cast<int>(digits.size()) ? digits[pos] : '0';
    if (intPart.empty())
        intPart.push_back('0');
    for (int k = 0; k < decimals; ++k) {
        const int pos = pointPos + k;
        fracPart += (pos >= 0 && pos < static_cast<int>(digits.size())) ? digits[pos] : '0';
    }
    if (kind == FieldKind::Money) {
        std::string grouped;
        const int n = static_cast<int>(intPart.size());
        for (int k = 0; k < n; ++k) {
            if (k > 0 && (n - k) % 3 == 0)
                grouped += '.';
            grouped += intPart[k];
        }
        intPart = grouped;
    }
    std::string out = (d.negative && !zero) ? "-" : "";
    out += intPart;
    if (decimals > 0)
        out += "," + fracPart;
    return out;
}

double shownValue(std::string_view text, int decimals)
{
    return f_Zahl(shownText(text, decimals, FieldKind::Decimal));
}

double asShown(double value, int decimals)
{
    return shownValue(numberText(value), decimals);
}

} // namespace calc
