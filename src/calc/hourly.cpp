#include "calc/hourly.h"

#include "calc/numbers.h"

namespace calc {

namespace {
constexpr double kWochenProJahr = 52;
constexpr double kMonateProJahr = 12;
} // namespace

std::string Stundenlohn(std::string_view sBrutto, std::string_view sWochenstunden)
{
    const double brutto = f_Zahl(sBrutto);
    const double stunden = f_Zahl(sWochenstunden);
    if (!(brutto > 0 && stunden > 0))
        return {};
    return numberText(brutto / (stunden * kWochenProJahr / kMonateProJahr));
}

double Verrechnungssatz(double fStundenlohn, const Zuschlaege &zuschlaege)
{
    double summe = 0;
    for (const Zuschlag &z : zuschlaege)
        summe += z.euro > 0 ? z.euro : 0;
    for (const Zuschlag &z : zuschlaege)
        summe += z.prozent > 0 ? fStundenlohn * z.prozent / 100 : 0;
    return summe + fStundenlohn;
}

} // namespace calc
