#pragma once

#include <array>
#include <string>
#include <string_view>

// The hourly-rate calculator: the hourly wage from the monthly gross wage and the weekly hours,
// and the billing rate from the hourly wage and four surcharges.
namespace calc {

// The hourly wage as a number text (monthly gross wage over the monthly hours, 52 weeks and
// 12 months a year); the empty text when the gross wage or the weekly hours are not positive.
// Both texts are read leniently, so the grouped text of a money field is read as it stands.
std::string Stundenlohn(std::string_view sBrutto, std::string_view sWochenstunden);

// One surcharge row: an amount in Euro per hour and a percentage of the hourly wage.
struct Zuschlag
{
    double euro = 0;
    double prozent = 0;
};

// The rows in the order they are added: Ausfallfaktoren, Soziallasten, Sachkosten, Wagnis &
// Gewinn.
using Zuschlaege = std::array<Zuschlag, 4>;

// The billing rate: every positive Euro amount, then every positive percentage of the hourly
// wage (never compounded), then the wage itself, added in that order. Values of 0 or less count
// as 0. The wage is the one shown, rounded to cents, as the page reads it back.
double Verrechnungssatz(double fStundenlohn, const Zuschlaege &zuschlaege);

} // namespace calc
