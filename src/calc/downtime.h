#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The downtime-factor page as plain functions of its field texts. Every result comes back as
// the text its field shows, and every later step uses that shown value, as the page does when
// it writes a result into its field and reads it back.
namespace calc {

// The input fields of the page, as their texts (possibly still being typed: "12," or "").
struct DowntimeInputs
{
    std::string wochenstunden = "0,00"; // W
    std::string arbeitstage = "0,00";   // A
    std::string urlaubstage = "0,0";    // U
    std::string krank = "0,0";          // K
    std::string schulwochen = "0,0";    // SW
    std::string schultage = "0,0";      // ST
    std::string feiertage = "0,0";      // H
    std::string verrechnet = "1,0";     // V
};

// R, PS, N and F as shown.
struct ProductivityResults
{
    std::string produktivverhaeltnis = "0,0"; // R
    std::string produktivstunden = "0,0";     // PS
    std::string unproduktivstunden = "0,0";   // N
    std::string ausfallfaktor = "0,0";        // F
};

// Every result of a recomputation as shown, and the holidays field afterwards (a zero or empty
// holidays text is replaced by "0,0"; any other text stays as typed).
struct DowntimeResults
{
    std::string feiertage = "0,0";        // H
    std::string stundenTag = "0,00";      // S
    std::string feiertageStunden = "0,0"; // FS
    std::string gesamtstunden = "0,0";    // G
    std::string produktivUrlaub = "0,0";  // P
    ProductivityResults productivity;
};

// The holidays field after the holiday-hours step, and the holiday hours FS as shown.
struct HolidayHours
{
    std::string feiertage;
    std::string stunden;
};

// FS from the holidays text and the shown hours per day (both read leniently).
HolidayHours Feiertage(std::string_view feiertage, std::string_view stundenTag);

// R, PS, N and F from V and W (as typed) and the shown P, G and F. While G shows 0 or less, F
// keeps the shown text it is given.
ProductivityResults Produktivität(std::string_view verrechnet, std::string_view wochenstunden,
                                  std::string_view produktivUrlaub, std::string_view gesamtstunden,
                                  std::string_view ausfallfaktor);

// The whole recomputation from the inputs; all results start from zero.
DowntimeResults Arbeitszeit(const DowntimeInputs &in);

// The sixteen federal states in the order of the list.
const std::array<std::string_view, 16> &federalStates();

// The holidays text for a state, matched exactly (case and hyphens count); none otherwise.
std::optional<std::string> holidaysOf(std::string_view state);

// The stepped number text of a field's text: up adds fWert, down subtracts it but never goes
// below 0. Reads the text strictly.
std::string f_SpinButton(bool boDown, std::string_view text, double fWert);

} // namespace calc
