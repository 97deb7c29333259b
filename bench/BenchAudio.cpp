// Vitesse du générateur audio : bruitages, rendu d'un morceau, codage OGG
#include "Bruitages.h"
#include "EcritureOgg.h"
#include "Sequenceur.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

void TousLesBruitages(benchmark::State& etat)
{
    for (auto _ : etat)
        for (const std::string& nom : NomsBruitages()) {
            synthe::Signal s;
            RendreBruitage(nom, s);
            benchmark::DoNotOptimize(s.data());
        }
}
BENCHMARK(TousLesBruitages)->Unit(benchmark::kMillisecond);

void RenduInvincibilite(benchmark::State& etat)
{
    std::ifstream f(std::string(DOSSIER_NOTES) + "/bouclier_total.txt");
    std::stringstream texte;
    texte << f.rdbuf();
    sequenceur::Morceau m;
    std::string erreur;
    if (!sequenceur::Lire(texte.str(), m, erreur)) {
        etat.SkipWithError(erreur.c_str());
        return;
    }
    for (auto _ : etat) {
        synthe::Signal g, d;
        sequenceur::Rendre(m, g, d, erreur);
        benchmark::DoNotOptimize(g.data());
    }
    etat.counters["secondes_rendues"] = sequenceur::Duree(m);
}
BENCHMARK(RenduInvincibilite)->Unit(benchmark::kMillisecond)->Iterations(3);

void CodageOggDixSecondes(benchmark::State& etat)
{
    synthe::Signal g(10 * synthe::FREQ), d(10 * synthe::FREQ);
    for (size_t i = 0; i < g.size(); ++i) {
        g[i] = 0.3f * static_cast<float>(std::sin(i * 0.03));
        d[i] = 0.3f * static_cast<float>(std::sin(i * 0.021));
    }
    const std::string chemin = (std::filesystem::temp_directory_path() / "vanto_bench.ogg").string();
    std::string erreur;
    for (auto _ : etat)
        EcrireOgg(chemin, g, d, 0.4f, erreur);
    std::filesystem::remove(chemin);
}
BENCHMARK(CodageOggDixSecondes)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
