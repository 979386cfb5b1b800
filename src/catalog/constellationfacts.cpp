#include "catalog/constellationfacts.h"

#include "astro/math/angles.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct LatinName {
    const char* abbreviation;
    const char* latin;
};

constexpr LatinName kLatinNames[] = {
    {"And", "Andromeda"},       {"Ant", "Antlia"},          {"Aps", "Apus"},
    {"Aqr", "Aquarius"},        {"Aql", "Aquila"},          {"Ara", "Ara"},
    {"Ari", "Aries"},           {"Aur", "Auriga"},          {"Boo", "Boötes"},
    {"Cae", "Caelum"},          {"Cam", "Camelopardalis"},  {"Cnc", "Cancer"},
    {"CVn", "Canes Venatici"},  {"CMa", "Canis Major"},     {"CMi", "Canis Minor"},
    {"Cap", "Capricornus"},     {"Car", "Carina"},          {"Cas", "Cassiopeia"},
    {"Cen", "Centaurus"},       {"Cep", "Cepheus"},         {"Cet", "Cetus"},
    {"Cha", "Chamaeleon"},      {"Cir", "Circinus"},        {"Col", "Columba"},
    {"Com", "Coma Berenices"},  {"CrA", "Corona Australis"}, {"CrB", "Corona Borealis"},
    {"Crv", "Corvus"},          {"Crt", "Crater"},          {"Cru", "Crux"},
    {"Cyg", "Cygnus"},          {"Del", "Delphinus"},       {"Dor", "Dorado"},
    {"Dra", "Draco"},           {"Equ", "Equuleus"},        {"Eri", "Eridanus"},
    {"For", "Fornax"},          {"Gem", "Gemini"},          {"Gru", "Grus"},
    {"Her", "Hercules"},        {"Hor", "Horologium"},      {"Hya", "Hydra"},
    {"Hyi", "Hydrus"},          {"Ind", "Indus"},           {"Lac", "Lacerta"},
    {"Leo", "Leo"},             {"LMi", "Leo Minor"},       {"Lep", "Lepus"},
    {"Lib", "Libra"},           {"Lup", "Lupus"},           {"Lyn", "Lynx"},
    {"Lyr", "Lyra"},            {"Men", "Mensa"},           {"Mic", "Microscopium"},
    {"Mon", "Monoceros"},       {"Mus", "Musca"},           {"Nor", "Norma"},
    {"Oct", "Octans"},          {"Oph", "Ophiuchus"},       {"Ori", "Orion"},
    {"Pav", "Pavo"},            {"Peg", "Pegasus"},         {"Per", "Perseus"},
    {"Phe", "Phoenix"},         {"Pic", "Pictor"},          {"Psc", "Pisces"},
    {"PsA", "Piscis Austrinus"}, {"Pup", "Puppis"},         {"Pyx", "Pyxis"},
    {"Ret", "Reticulum"},       {"Sge", "Sagitta"},         {"Sgr", "Sagittarius"},
    {"Sco", "Scorpius"},        {"Scl", "Sculptor"},        {"Sct", "Scutum"},
    {"Ser", "Serpens"},         {"Sex", "Sextans"},         {"Tau", "Taurus"},
    {"Tel", "Telescopium"},     {"Tri", "Triangulum"},      {"TrA", "Triangulum Australe"},
    {"Tuc", "Tucana"},          {"UMa", "Ursa Major"},      {"UMi", "Ursa Minor"},
    {"Vel", "Vela"},            {"Vir", "Virgo"},           {"Vol", "Volans"},
    {"Vul", "Vulpecula"},
};

}  // namespace

std::string ConstellationLatinName(const std::string& abbreviation)
{
    for (const LatinName& n : kLatinNames)
        if (abbreviation == n.abbreviation)
            return n.latin;
    return {};
}

std::map<std::string, double> ConstellationAreasDeg2(
    const std::vector<ConstellationZone>& zones)
{
    std::map<std::string, double> areas;
    // Band edges: every zone's lower declination, and the poles.
    std::vector<double> edges = {-kHalfPi, kHalfPi};
    for (const auto& z : zones)
        if (std::isfinite(z.decLow) && z.decLow > -kHalfPi && z.decLow < kHalfPi)
            edges.push_back(z.decLow);
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    constexpr double kSteradianToDeg2 = kRadToDeg * kRadToDeg;
    for (std::size_t b = 0; b + 1 < edges.size(); ++b) {
        const double low = edges[b];
        const double high = edges[b + 1];
        // The zones that reach the whole band, in search order, and their RA edges.
        std::vector<const ConstellationZone*> reaching;
        std::vector<double> cuts = {0.0, kTwoPi};
        for (const auto& z : zones) {
            if (z.decLow <= low) {
                reaching.push_back(&z);
                cuts.push_back(z.raLow);
                cuts.push_back(z.raHigh);
            }
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        const double bandHeight = std::sin(high) - std::sin(low);
        for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
            const double ra = 0.5 * (cuts[c] + cuts[c + 1]);
            for (const ConstellationZone* z : reaching) {
                if (z->raLow <= ra && ra < z->raHigh) {
                    areas[z->name] += (cuts[c + 1] - cuts[c]) * bandHeight * kSteradianToDeg2;
                    break;
                }
            }
        }
    }
    return areas;
}
