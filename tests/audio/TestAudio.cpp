// Sons et musiques générés : présence, décodage, durées, crêtes, raccords de boucle
#include "Generation.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Decode
{
    unsigned canaux = 0, frequence = 0;
    std::vector<float> g, d; // d vide en mono
    double Duree() const { return frequence ? static_cast<double>(g.size()) / frequence : 0.0; }
};

const char* const SONS[] = {"anneau", "anneaux", "bim", "bouclier", "bouclier_eau", "bouclier_eclair",
                            "bouclier_feu", "brrr", "burstrev", "burstrev_go", "checkpoint", "clic",
                            "fin_level", "flamme", "fsht", "glisse", "oxygene", "perdu", "pics", "plouf",
                            "pouf", "pung", "ressort", "roule", "saut", "scie", "se_noye", "teleportation",
                            "total", "vie"};
const char* const MUSIQUES[] = {"accueil", "alerte_oxygene", "boss", "bouclier_total", "calculs",
                                "final", "game_over", "no_world", "zone_1", "zone_2"};
const char* const BOUCLES[] = {"zone_1", "zone_2", "no_world", "boss", "final", "bouclier_total"};

bool Decoder(const std::string& chemin, Decode& sortie)
{
    sf::InputSoundFile f;
    if (!f.openFromFile(chemin))
        return false;
    sortie.canaux = f.getChannelCount();
    sortie.frequence = f.getSampleRate();
    std::vector<sf::Int16> tampon(static_cast<size_t>(f.getSampleCount()));
    sf::Uint64 lus = f.read(tampon.data(), tampon.size());
    tampon.resize(static_cast<size_t>(lus));
    const unsigned c = std::max(1u, sortie.canaux);
    for (size_t i = 0; i + c <= tampon.size(); i += c) {
        sortie.g.push_back(tampon[i] / 32768.f);
        if (c > 1)
            sortie.d.push_back(tampon[i + 1] / 32768.f);
    }
    return true;
}

double Crete(const Decode& s)
{
    double c = 0.0;
    for (float v : s.g)
        c = std::max(c, static_cast<double>(std::fabs(v)));
    for (float v : s.d)
        c = std::max(c, static_cast<double>(std::fabs(v)));
    return c;
}

double Efficace(const std::vector<float>& s, size_t debut, size_t fin)
{
    double somme = 0.0;
    fin = std::min(fin, s.size());
    for (size_t i = debut; i < fin; ++i)
        somme += static_cast<double>(s[i]) * s[i];
    return fin > debut ? std::sqrt(somme / (fin - debut)) : 0.0;
}

double Db(double v) { return 20.0 * std::log10(std::max(v, 1e-9)); }

class FichiersAudio : public ::testing::Test
{
protected:
    static std::string dossier;
    static std::map<std::string, Decode> sons, musiques;

    static void SetUpTestSuite()
    {
        // les données du jeu si elles sont là, sinon une génération dans un dossier temporaire
        dossier = "data";
        if (!fs::exists("data/ogg/musics/zone_1.ogg")) {
            dossier = (fs::temp_directory_path() / "vanto_audio_test").string();
            // chaque test tourne dans son propre processus : on ne régénère que si l'outil ou les notes ont changé
            std::string empreinte = std::to_string(fs::last_write_time("/proc/self/exe").time_since_epoch().count());
            for (const auto& f : fs::directory_iterator(DOSSIER_NOTES))
                empreinte += " " + std::to_string(f.last_write_time().time_since_epoch().count());
            const fs::path tampon = fs::path(dossier) / "empreinte";
            std::ifstream lu(tampon);
            std::string ancienne;
            std::getline(lu, ancienne);
            if (ancienne != empreinte) {
                // génération à part puis renommage : un autre test lancé en parallèle ne lit jamais un fichier à moitié écrit
                const std::string propre = dossier + "." + std::to_string(::getpid());
                GenererTout(propre, DOSSIER_NOTES);
                std::ofstream(fs::path(propre) / "empreinte") << empreinte << "\n";
                std::error_code ec;
                fs::remove_all(dossier, ec);
                fs::rename(propre, dossier, ec);
                if (ec)
                    dossier = propre;
            }
        }
    }

    // décodage à la demande : chaque test tourne dans son propre processus
    static std::map<std::string, Decode>& Charger(std::map<std::string, Decode>& cache, const char* sous,
                                                  const char* const* noms, size_t nombre)
    {
        if (cache.empty())
            for (size_t k = 0; k < nombre; ++k) {
                Decode s;
                if (Decoder(dossier + "/ogg/" + sous + "/" + noms[k] + ".ogg", s))
                    cache[noms[k]] = std::move(s);
            }
        return cache;
    }
    static std::map<std::string, Decode>& Sons() { return Charger(sons, "sounds", SONS, std::size(SONS)); }
    static std::map<std::string, Decode>& Musiques()
    {
        return Charger(musiques, "musics", MUSIQUES, std::size(MUSIQUES));
    }
};
std::string FichiersAudio::dossier;
std::map<std::string, Decode> FichiersAudio::sons;
std::map<std::string, Decode> FichiersAudio::musiques;

void VerifierBords(const std::string& nom, const Decode& s)
{
    ASSERT_GT(s.g.size(), 10u);
    for (const auto* c : {&s.g, &s.d}) {
        if (c->empty())
            continue;
        EXPECT_LT(std::fabs(c->front()), 0.02) << nom << " commence par un saut";
        EXPECT_LT(std::fabs(c->back()), 0.02) << nom << " finit par un saut";
    }
}

void VerifierCrete(const std::string& nom, const Decode& s)
{
    const double plafond = std::pow(10.0, -1.0 / 20.0);
    EXPECT_LT(Crete(s), plafond) << nom << " : " << Db(Crete(s)) << " dBFS";
    EXPECT_GT(Crete(s), 0.1) << nom << " est presque muet";
}

TEST_F(FichiersAudio, ChaqueSonExisteSeDecodeEtDureSelonSonUsage)
{
    // bornes tirées du moment où chaque son est joué (et rejoué)
    const std::map<std::string, std::pair<double, double>> bornes = {
        {"anneau", {0.1, 0.4}},        {"anneaux", {0.7, 1.3}},      {"vie", {1.0, 2.0}},
        {"saut", {0.1, 0.3}},          {"roule", {0.2, 0.4}},        {"glisse", {0.3, 0.5}},
        {"burstrev", {0.2, 0.4}},      {"burstrev_go", {0.4, 0.7}},  {"oxygene", {0.3, 0.7}},
        {"se_noye", {1.0, 3.0}},       {"perdu", {0.5, 1.0}},        {"pics", {0.2, 0.4}},
        {"ressort", {0.2, 0.4}},       {"pung", {0.2, 0.3}},         {"checkpoint", {0.4, 0.7}},
        {"fin_level", {1.0, 3.0}},     {"teleportation", {2.0, 4.0}}, {"plouf", {0.05, 0.3}},
        {"bim", {0.3, 0.5}},           {"pouf", {0.1, 0.3}},         {"brrr", {0.4, 0.7}},
        {"bouclier", {0.5, 0.8}},      {"bouclier_eau", {0.4, 0.7}}, {"bouclier_feu", {0.4, 0.7}},
        {"bouclier_eclair", {0.3, 0.5}}, {"scie", {1.0, 2.5}},       {"fsht", {0.2, 0.4}},
        {"flamme", {0.2, 0.5}},        {"clic", {0.003, 0.015}},     {"total", {0.8, 2.5}},
    };
    ASSERT_EQ(bornes.size(), std::size(SONS));
    auto& sons = Sons();
    for (const auto& [nom, b] : bornes) {
        ASSERT_TRUE(sons.count(nom)) << "son absent ou illisible : " << nom;
        const Decode& s = sons[nom];
        EXPECT_EQ(s.frequence, 44100u) << nom;
        EXPECT_GE(s.Duree(), b.first) << nom;
        EXPECT_LE(s.Duree(), b.second) << nom;
    }
}

TEST_F(FichiersAudio, LesSonsRestentSousMoinsUnDbfsSansClicAuxBords)
{
    for (const auto& [nom, s] : Sons()) {
        VerifierCrete(nom, s);
        VerifierBords(nom, s);
    }
}

TEST_F(FichiersAudio, ChaqueMusiqueExisteSeDecodeEtDureCeQuIlFaut)
{
    auto& musiques = Musiques();
    for (const char* n : MUSIQUES) {
        ASSERT_TRUE(musiques.count(n)) << "musique absente ou illisible : " << n;
        EXPECT_EQ(musiques[n].frequence, 44100u) << n;
        EXPECT_EQ(musiques[n].canaux, 2u) << n;
        VerifierCrete(n, musiques[n]);
    }
    for (const char* n : {"zone_1", "zone_2", "no_world", "boss", "final"})
        EXPECT_GE(musiques[n].Duree(), 60.0) << n << " se répète trop tôt";
    auto entre = [&](const char* n, double a, double b) {
        EXPECT_GE(musiques[n].Duree(), a) << n;
        EXPECT_LE(musiques[n].Duree(), b) << n;
    };
    entre("alerte_oxygene", 12.5, 13.0); // plus courte, la musique du niveau reprendrait en plein compte à rebours
    entre("accueil", 9.0, 10.0);
    entre("calculs", 6.0, 9.0);
    entre("game_over", 4.0, 8.0);
    entre("bouclier_total", 10.0, 40.0);
    // les morceaux joués une fois commencent et finissent sans saut
    for (const char* n : {"accueil", "alerte_oxygene", "calculs", "game_over"})
        VerifierBords(n, musiques[n]);
}

TEST_F(FichiersAudio, LesBouclesSeRaccordentSansClicNiTrou)
{
    auto& musiques = Musiques();
    for (const char* n : BOUCLES) {
        ASSERT_TRUE(musiques.count(n)) << n;
        const Decode& s = musiques[n];
        for (const auto* c : {&s.g, &s.d}) {
            // le saut au raccord ne dépasse pas les pas ordinaires du signal
            std::vector<float> pas;
            for (size_t i = 1; i < c->size(); ++i)
                pas.push_back(std::fabs((*c)[i] - (*c)[i - 1]));
            std::nth_element(pas.begin(), pas.begin() + pas.size() * 95 / 100, pas.end());
            const double ordinaire = pas[pas.size() * 95 / 100];
            const double raccord = std::fabs(c->back() - c->front());
            EXPECT_LE(raccord, ordinaire) << n << " : saut de " << raccord << " au raccord";
            // au tout premier départ la boucle part du silence : ce qui déborde de la fin doit rester discret
            EXPECT_LT(std::fabs(c->front()), 0.15) << n << " démarre sur un saut";
            // ni fondu au noir ni silence de part et d'autre : la fin repliée s'entend dès les 4 premières millisecondes
            const double global = Efficace(*c, 0, c->size());
            const size_t f = 44100 / 250;
            EXPECT_GT(Efficace(*c, 0, f), 0.03 * global) << n << " commence en silence";
            EXPECT_GT(Efficace(*c, c->size() - f, c->size()), 0.03 * global) << n << " finit en silence";
        }
    }
}

TEST_F(FichiersAudio, MusiqueA30PourCentEtSonsA50PourCentSonnentAPareilNiveau)
{
    std::vector<double> s, m;
    for (const auto& [nom, x] : Sons())
        if (nom != "clic")
            s.push_back(Db(Efficace(x.g, 0, x.g.size())) + Db(0.5));
    for (const auto& [nom, x] : Musiques())
        m.push_back(Db(std::hypot(Efficace(x.g, 0, x.g.size()), Efficace(x.d, 0, x.d.size())) / std::sqrt(2.0))
                    + Db(0.3));
    ASSERT_FALSE(s.empty());
    ASSERT_FALSE(m.empty());
    std::sort(s.begin(), s.end());
    std::sort(m.begin(), m.end());
    const double ms = s[s.size() / 2], mm = m[m.size() / 2];
    EXPECT_NEAR(ms, mm, 4.0) << "sons " << ms << " dB, musiques " << mm << " dB";
    // aucun son ne couvre à lui seul la musique de plus de 10 dB
    EXPECT_LT(s.back(), mm + 10.0);
}

} // namespace
