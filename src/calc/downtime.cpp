#include "calc/downtime.h"

#include "calc/numbers.h"

#include <utility>

namespace calc {

namespace {

// The text a field of the given decimals shows once the value is written into it.
std::string shown(double value, int decimals)
{
    return shownText(numberText(value), decimals);
}

std::string shown1(double value)
{
    return shown(value, 1);
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kHolidays{{
    {"Baden-Württemberg", "12,0"},
    {"Bayern", "14,0"},
    {"Berlin", "10,0"},
    {"Brandenburg", "12,0"},
    {"Bremen", "10,0"},
    {"Hamburg", "10,0"},
    {"Hessen", "10,0"},
    {"Mecklenburg-Vorpommern", "10,0"},
    {"Niedersachsen", "10,0"},
    {"Nordrhein-Westfalen", "11,0"},
    {"Rheinland-Pfalz", "11,0"},
    {"Saarland", "12,0"},
    {"Sachsen", "12,0"},
    {"Sachsen-Anhalt", "11,0"},
    {"Schleswig-Holstein", "10,0"},
    {"Thüringen", "12,0"},
}};

} // namespace

HolidayHours Feiertage(std::string_view feiertage, std::string_view stundenTag)
{
    HolidayHours out;
    const double h = f_Zahl(feiertage);
    // an empty or zero holidays field is filled with zero at once
    out.feiertage = h == 0 ? shownText("0", 1) : std::string(feiertage);
    out.stunden = shown1(h * f_Zahl(stundenTag));
    return out;
}

ProductivityResults Produktivität(std::string_view verrechnet, std::string_view wochenstunden,
                                  std::string_view produktivUrlaub, std::string_view gesamtstunden,
                                  std::string_view ausfallfaktor)
{
    ProductivityResults out;
    const double v = textOrZero(verrechnet);
    const double w = textOrZero(wochenstunden);
    // Without weekly hours nothing of them can be billed: the ratio is 0, not a division by zero
    // (the working days are often typed before the weekly hours).
    out.produktivverhaeltnis = (v <= 0 || w <= 0) ? shown1(0) : shown1(v * 100 / w);

    const double r = textOrZero(out.produktivverhaeltnis);
    const double p = textOrZero(produktivUrlaub);
    out.produktivstunden = shown1(p * r / 100);
    out.unproduktivstunden =
        shown1(strictReading(produktivUrlaub) - strictReading(out.produktivstunden));

    const double ps = textOrZero(out.produktivstunden);
    const double g = textOrZero(gesamtstunden);
    if (g <= 0) {
        out.ausfallfaktor = std::string(ausfallfaktor);
        return out;
    }
    if (ps != 0)
        out.ausfallfaktor = shown1(100 - ps * 100 / g);
    else
        out.ausfallfaktor = p <= 0 ? shown1(0) : shown1(100 - p * 100 / g);
    return out;
}

DowntimeResults Arbeitszeit(const DowntimeInputs &in)
{
    DowntimeResults out;
    // with the hours per day not yet known the holiday step only settles the holidays field
    out.feiertage = Feiertage(in.feiertage, "0").feiertage;

    const double sw = textOrZero(in.schulwochen);
    const double u = textOrZero(in.urlaubstage);
    const double k = textOrZero(in.krank);
    const double st = textOrZero(in.schultage);
    const double w = textOrZero(in.wochenstunden);
    const double a = textOrZero(in.arbeitstage);

    if (f_Zahl(in.arbeitstage) <= 0) {
        out.feiertageStunden = Feiertage(out.feiertage, out.stundenTag).stunden;
        return out;
    }

    out.stundenTag = shown(w / a, 2);
    out.feiertageStunden = Feiertage(out.feiertage, out.stundenTag).stunden;
    out.gesamtstunden = shown1(w * 52);
    // the deductions use the hours per day and the holiday hours as shown
    const double s = strictReading(out.stundenTag);
    const double fs = strictReading(out.feiertageStunden);
    out.produktivUrlaub = shown1(52 * w - s * u - s * k - sw * w - st * s - fs);
    out.productivity = Produktivität(in.verrechnet, in.wochenstunden, out.produktivUrlaub,
                                     out.gesamtstunden, shown1(0));
    return out;
}

const std::array<std::string_view, 16> &federalStates()
{
    static const std::array<std::string_view, 16> states = [] {
        std::array<std::string_view, 16> names{};
        for (std::size_t i = 0; i < kHolidays.size(); ++i)
            names[i] = kHolidays[i].first;
        return names;
    }();
    return states;
}

std::optional<std::string> holidaysOf(std::string_view state)
{
    for (const auto &[name, text] : kHolidays)
        if (name == state)
            return std::string(text);
    return std::nullopt;
}

std::string f_SpinButton(bool boDown, std::string_view text, double fWert)
{
    const double value = strictReading(text);
    if (!boDown)
        return numberText(value + fWert);
    const std::string stepped = numberText(value - fWert);
    return strictReading(stepped) < 0 ? std::string("0") : stepped;
}

} // namespace calc
