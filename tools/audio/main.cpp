// genere_audio <dossier data> <dossier des notes> [--pistes] [noms...]
#include "Generation.h"

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage : %s <dossier data> <dossier des musiques en texte> [--pistes] [noms...]\n", argv[0]);
        return 2;
    }
    std::vector<std::string> filtre(argv + 3, argv + argc);
    bool pistes = false;
    if (!filtre.empty() && filtre.front() == "--pistes") {
        pistes = true;
        filtre.erase(filtre.begin());
    }
    auto debut = std::chrono::steady_clock::now();
    auto bilans = GenererTout(argv[1], argv[2], filtre);
    int echecs = 0;
    for (const BilanFichier& b : bilans) {
        if (!b.ok) {
            std::fprintf(stderr, "échec : %s\n", b.erreur.c_str());
            ++echecs;
            continue;
        }
        std::printf("%-44s %7.3f s  crête %6.2f dBFS  efficace %6.2f dBFS  (%.2f s de calcul)\n", b.chemin.c_str(),
                    b.duree, b.creteDb, b.efficaceDb, b.secondesCalcul);
        if (pistes)
            for (const auto& [nom, db] : b.pistes)
                std::printf("    %-12s %6.1f dBFS\n", nom.c_str(), db);
    }
    double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("%zu fichiers, %d échecs, %.1f s\n", bilans.size(), echecs, total);
    return echecs ? 1 : 0;
}
