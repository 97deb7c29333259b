#include "Couche.h"

#include <algorithm>
#include <cmath>

using namespace synthe;

namespace {
const double DEUX_PI = 6.28318530717958647692;
}

template <typename Ecrire> void Couche::Generer(Ecrire ecrire) const
{
    const long n = static_cast<long>(std::max(0.0, duree) * FREQ);
    if (n <= 0)
        return;
    const int voix = std::clamp(unisson, 1, 8);
    std::vector<Oscillateur> osc;
    std::vector<double> ecarts;
    for (int v = 0; v < voix; ++v) {
        osc.emplace_back(forme, rapportCyclique);
        // phases de départ différentes pour l'unisson, fixes pour rester reproductible
        osc.back().phase = voix > 1 ? std::fmod(0.37 * v, 1.0) : 0.0;
        double c = voix > 1 ? desaccord * (v - (voix - 1) / 2.0) / ((voix - 1) / 2.0) : 0.0;
        ecarts.push_back(std::pow(2.0, c / 1200.0));
    }
    double phaseFm = 0.0, phasePort = 0.0;
    FiltreEtat filtre(static_cast<FiltreEtat::Mode>(std::max(filtreMode, 0)));
    const double porte = std::max(0.0, duree - env.r);
    const double rapportF = f1 / f0;
    const double dureeF = dureeFiltre > 0.0 ? dureeFiltre : duree;
    const float norme = 1.0f / std::sqrt(static_cast<float>(voix));
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FREQ;
        const double u = t / duree;
        double f = f0;
        if (f1 != f0)
            f = f0 * std::pow(rapportF, courbeHauteur == 1.0 ? u : std::pow(u, courbeHauteur));
        if (!arpege.empty() && pasArpege > 0.0) {
            size_t k = std::min(arpege.size() - 1, static_cast<size_t>(t / pasArpege));
            f *= std::pow(2.0, arpege[k] / 12.0);
        }
        if (vibProf != 0.0 && t >= vibRetard) {
            double montee = std::min(1.0, (t - vibRetard) / 0.15);
            f *= std::pow(2.0, montee * vibProf * std::sin(DEUX_PI * vibFreq * (t - vibRetard)) / 12.0);
        }
        double v = 0.0;
        if (fmRapport > 0.0) {
            double indice = fmIndice0 + (fmIndice1 - fmIndice0) * std::min(1.0, u * 1.0);
            double mod = indice * std::sin(DEUX_PI * phaseFm);
            v = std::sin(DEUX_PI * phasePort + mod);
            phasePort += f / FREQ;
            phaseFm += f * fmRapport / FREQ;
            phasePort -= std::floor(phasePort);
            phaseFm -= std::floor(phaseFm);
        } else {
            for (int k = 0; k < voix; ++k)
                v += osc[k].Suivant(f * ecarts[k] / FREQ);
            v *= norme;
        }
        if (filtreMode >= 0) {
            if ((i & 15) == 0) {
                double uf = std::min(1.0, t / dureeF);
                filtre.Regler(coupure0 * std::pow(coupure1 / coupure0, uf), q);
            }
            v = filtre.Traiter(static_cast<float>(v));
        }
        double amp = env.Valeur(t, porte) * volume;
        if (tremProf > 0.0)
            amp *= 1.0 - tremProf * (0.5 + 0.5 * std::sin(DEUX_PI * tremFreq * t));
        ecrire(i, static_cast<float>(v * amp));
    }
}

void Couche::Rendre(Signal& sortie, double decalage) const
{
    const long base = static_cast<long>((debut + decalage) * FREQ);
    const long n = static_cast<long>(std::max(0.0, duree) * FREQ);
    if (base < 0 || n <= 0)
        return;
    if (sortie.size() < static_cast<size_t>(base + n))
        sortie.resize(static_cast<size_t>(base + n), 0.f);
    Generer([&](long i, float v) { sortie[static_cast<size_t>(base + i)] += v; });
}

void Couche::RendreCirculaire(Signal& sortie, long long debutEchantillon, float gain) const
{
    const long long taille = static_cast<long long>(sortie.size());
    if (taille == 0)
        return;
    Generer([&](long i, float v) {
        long long k = (debutEchantillon + i) % taille;
        if (k < 0)
            k += taille;
        sortie[static_cast<size_t>(k)] += v * gain;
    });
}

Signal RendreCouches(const std::vector<Couche>& couches)
{
    Signal s;
    for (const Couche& c : couches)
        c.Rendre(s);
    return s;
}
