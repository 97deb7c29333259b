#include "Generation.h"

#include "Bruitages.h"
#include "EcritureOgg.h"
#include "Sequenceur.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace synthe;
namespace fs = std::filesystem;

namespace {

const float QUALITE = 0.4f;

double Secondes(std::chrono::steady_clock::time_point debut)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

void Mesurer(BilanFichier& b, const Signal& g, const Signal& d)
{
    b.duree = static_cast<double>(g.size()) / FREQ;
    double c = std::max(Crete(g), d.empty() ? 0.0 : Crete(d));
    double e = d.empty() ? Efficace(g) : std::sqrt((Efficace(g) * Efficace(g) + Efficace(d) * Efficace(d)) / 2);
    b.creteDb = EnDb(c);
    b.efficaceDb = EnDb(e);
}

bool Filtre(const std::vector<std::string>& filtre, const std::string& nom)
{
    return filtre.empty() || std::find(filtre.begin(), filtre.end(), nom) != filtre.end();
}

} // namespace

std::vector<std::string> NomsMusiques()
{
    return {"accueil", "alerte_oxygene", "boss", "bouclier_total", "calculs",
            "final", "game_over", "no_world", "zone_1", "zone_2"};
}

BilanFichier GenererMusique(const std::string& fichierNotes, const std::string& sortie)
{
    auto debut = std::chrono::steady_clock::now();
    BilanFichier b;
    b.chemin = sortie;
    std::ifstream f(fichierNotes, std::ios::binary);
    if (!f) {
        b.erreur = "impossible de lire " + fichierNotes;
        return b;
    }
    std::stringstream contenu;
    contenu << f.rdbuf();
    if (contenu.str().size() > 4 * 1024 * 1024) {
        b.erreur = fichierNotes + " : fichier trop gros";
        return b;
    }
    sequenceur::Morceau m;
    std::string err;
    if (!sequenceur::Lire(contenu.str(), m, err)) {
        b.erreur = fichierNotes + " : " + err;
        return b;
    }
    Signal g, d;
    if (!sequenceur::Rendre(m, g, d, err, &b.pistes)) {
        b.erreur = fichierNotes + " : " + err;
        return b;
    }
    Mesurer(b, g, d);
    b.ok = EcrireOgg(sortie, g, d, QUALITE, b.erreur);
    b.secondesCalcul = Secondes(debut);
    return b;
}

std::vector<BilanFichier> GenererTout(const std::string& dossierData, const std::string& dossierNotes,
                                      const std::vector<std::string>& filtre)
{
    std::vector<BilanFichier> bilans;
    const fs::path sons = fs::path(dossierData) / "ogg" / "sounds";
    const fs::path musiques = fs::path(dossierData) / "ogg" / "musics";
    std::error_code ec;
    fs::create_directories(sons, ec);
    fs::create_directories(musiques, ec);
    for (const std::string& nom : NomsBruitages()) {
        if (!Filtre(filtre, nom))
            continue;
        auto debut = std::chrono::steady_clock::now();
        BilanFichier b;
        b.chemin = (sons / (nom + ".ogg")).string();
        Signal s;
        if (RendreBruitage(nom, s)) {
            Mesurer(b, s, {});
            b.ok = EcrireOgg(b.chemin, s, {}, QUALITE, b.erreur);
        } else {
            b.erreur = "bruitage inconnu " + nom;
        }
        b.secondesCalcul = Secondes(debut);
        bilans.push_back(b);
    }
    for (const std::string& nom : NomsMusiques()) {
        if (!Filtre(filtre, nom))
            continue;
        bilans.push_back(GenererMusique((fs::path(dossierNotes) / (nom + ".txt")).string(),
                                        (musiques / (nom + ".ogg")).string()));
    }
    return bilans;
}
