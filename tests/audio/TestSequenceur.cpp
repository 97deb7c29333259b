// Séquenceur et synthétiseur : lecture de la notation, erreurs, boucles repliées, reproductibilité
#include "Bruitages.h"
#include "EcritureOgg.h"
#include "Sequenceur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace sequenceur;
namespace fs = std::filesystem;

namespace {

const char* const ENTETE = "tempo 120\nmesure 4\nvolume -12\n"
                           "instrument voix sinus env=0.002,0.05,1,0.3 vol=0.5 porte=1\n"
                           "instrument acc sinus accords=plaque centre=60 vol=0.3\n";

std::string ErreurDe(const std::string& corps)
{
    Morceau m;
    std::string erreur;
    EXPECT_FALSE(Lire(std::string(ENTETE) + corps, m, erreur)) << corps;
    return erreur;
}

// fréquence dominante par passages à zéro montants
double Frequence(const synthe::Signal& s, size_t debut, size_t fin)
{
    int passages = 0;
    for (size_t i = debut + 1; i < fin; ++i)
        if (s[i - 1] < 0.f && s[i] >= 0.f)
            ++passages;
    return passages * static_cast<double>(synthe::FREQ) / (fin - debut);
}

std::string LireFichier(const std::string& chemin)
{
    std::ifstream f(chemin);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Notation, NotesDureesTenuesRepetitionsEtAccords)
{
    Morceau m;
    std::string erreur;
    ASSERT_TRUE(Lire(std::string(ENTETE) +
                         "section A 2\n"
                         "voix: c4:8 c#4 bb3:4. -:8 r:4 | (e5:16 d5)x4 a4:4.! g4:8? \n"
                         "acc: Am7:2 F#m7b5 | Cmaj7:1\n"
                         "bd: x...x...x...x... | x.x.X.o.........\n"
                         "fin\nordre A A+2\n",
                     m, erreur))
        << erreur;
    const Section& a = m.sections.at("A");
    const auto& voix = a.pistes.at("voix");
    ASSERT_EQ(voix.size(), 3u + 8u + 2u);
    EXPECT_DOUBLE_EQ(voix[0].hauteurs[0], 60.0);  // do4
    EXPECT_DOUBLE_EQ(voix[1].hauteurs[0], 61.0);  // do dièse
    EXPECT_DOUBLE_EQ(voix[2].hauteurs[0], 58.0);  // si bémol 3
    EXPECT_DOUBLE_EQ(voix[2].duree, 2.0);         // noire pointée + croche liée
    EXPECT_DOUBLE_EQ(voix[3].debut, 4.0);         // après le silence, à la barre
    EXPECT_DOUBLE_EQ(voix[3].duree, 0.25);
    EXPECT_DOUBLE_EQ(voix[11].velocite, 1.25);
    EXPECT_DOUBLE_EQ(voix[12].velocite, 0.6);
    const auto& acc = a.pistes.at("acc");
    ASSERT_EQ(acc.size(), 3u);
    EXPECT_EQ(acc[0].hauteurs, (std::vector<double>{69, 72, 76, 79}));
    EXPECT_EQ(acc[1].hauteurs, (std::vector<double>{66, 69, 72, 76}));
    // grille : un caractère par double croche
    ASSERT_EQ(a.frappes.size(), 8u);
    EXPECT_DOUBLE_EQ(a.frappes[1].debut, 1.0);
    EXPECT_DOUBLE_EQ(a.frappes[5].debut, 4.5);
    EXPECT_DOUBLE_EQ(a.frappes[6].velocite, 1.0);
    EXPECT_DOUBLE_EQ(a.frappes[7].velocite, 0.45);
    ASSERT_EQ(m.ordre.size(), 2u);
    EXPECT_EQ(m.ordre[1].second, 2);
    EXPECT_DOUBLE_EQ(Duree(m), 8.0);
}

TEST(Notation, LesErreursDonnentLaLigneEtLaRaison)
{
    EXPECT_NE(ErreurDe("section A 1\nvoix: h4:4 c4 c4 c4\nfin\nordre A\n").find("ligne 7"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: c4:4 c4 c4\nfin\nordre A\n").find("3 temps au lieu de 4"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 2\nvoix: c4:4 c4 c4 | c4 c4:2. |\nfin\nordre A\n").find("barre"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: c4:7 c4\nfin\nordre A\n").find("durée"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nacc: Hm:1\nfin\nordre A\n").find("accord"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nflute: c4:1\nfin\nordre A\n").find("instrument inconnu"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nbd: x..z\nfin\nordre A\n").find("grille"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: -:4 c4 c4 c4\nfin\nordre A\n").find("tenue"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: ( c4:4 c4 c4 c4\nfin\nordre A\n").find("parenthèse"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: c4:1\nfin\nordre B\n").find("section inconnue"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: c4:1\n").find("non terminée"), std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: c4:1\nfin\n").find("ordre"), std::string::npos);
    EXPECT_NE(ErreurDe("instrument x orgue\n").find("forme inconnue"), std::string::npos);
    EXPECT_NE(ErreurDe("tempo 9000\n").find("tempo"), std::string::npos);
}

TEST(Notation, LesEntreesDemesureesSontRefuseesSansToutAllouer)
{
    // répétitions imbriquées : 64^5 notes si rien ne bornait le dépliage
    EXPECT_NE(ErreurDe("section A 1\nvoix: ( ( ( ( ( c4:32 )x64 )x64 )x64 )x64 )x64\nfin\nordre A\n").find("trop"),
              std::string::npos);
    EXPECT_NE(ErreurDe("section A 1\nvoix: ( c4:4 )x1000\nfin\nordre A\n").find("répétition"), std::string::npos);
    // 512 mesures à 20 à la noire : plus de dix minutes
    EXPECT_NE(ErreurDe("tempo 20\nsection A 512\nfin\nordre A\n").find("trop long"), std::string::npos);
}

TEST(Rendu, UneBoucleRepliePourQueLaFinRejoigneLeDebut)
{
    // une note tenue par-dessus la fin de la boucle : sa suite doit s'entendre au début
    const std::string corps = "section A 1\nvoix: r:2 r:4 a3:4\nfin\nordre A\n";
    Morceau boucle, simple;
    std::string erreur;
    ASSERT_TRUE(Lire(std::string(ENTETE) + "boucle oui\n" + corps, boucle, erreur)) << erreur;
    ASSERT_TRUE(Lire(std::string(ENTETE) + "boucle non\nqueue 1\n" + corps, simple, erreur)) << erreur;
    synthe::Signal g, d, g2, d2;
    ASSERT_TRUE(Rendre(boucle, g, d, erreur)) << erreur;
    ASSERT_TRUE(Rendre(simple, g2, d2, erreur)) << erreur;
    EXPECT_EQ(g.size(), static_cast<size_t>(2.0 * synthe::FREQ)); // 4 temps à 120
    EXPECT_GT(g2.size(), g.size());                                // la queue reste après la fin
    const size_t dixieme = synthe::FREQ / 10;
    std::vector<float> debut(g.begin(), g.begin() + dixieme), debutSimple(g2.begin(), g2.begin() + dixieme);
    EXPECT_GT(synthe::Efficace(debut), 0.05);        // la relâche de la note est repliée au début
    EXPECT_LT(synthe::Efficace(debutSimple), 1e-4);  // sans boucle, le début est muet
    // raccord : pas plus grand que les pas voisins d'un sinus à 220 Hz
    const double pasMax = 2.0 * M_PI * 220.0 / synthe::FREQ;
    EXPECT_LT(std::fabs(g.back() - g.front()), pasMax * synthe::Crete(g) * 1.5);
    EXPECT_LT(std::fabs(d.back() - d.front()), pasMax * synthe::Crete(d) * 1.5);
    EXPECT_NEAR(Frequence(g, 0, dixieme), 220.0, 25.0);
}

TEST(Rendu, TranspositionNormalisationEtPlafond)
{
    Morceau m;
    std::string erreur;
    ASSERT_TRUE(Lire(std::string(ENTETE) + "boucle oui\nsection A 1\nvoix: a3:1\nfin\nordre A A+12\n", m, erreur));
    synthe::Signal g, d;
    ASSERT_TRUE(Rendre(m, g, d, erreur)) << erreur;
    const size_t n = synthe::FREQ * 2;
    ASSERT_EQ(g.size(), 2 * n);
    EXPECT_NEAR(Frequence(g, n / 4, n * 3 / 4), 220.0, 5.0);
    EXPECT_NEAR(Frequence(g, n + n / 4, n + n * 3 / 4), 440.0, 8.0);
    const double efficace = std::hypot(synthe::Efficace(g), synthe::Efficace(d)) / std::sqrt(2.0);
    EXPECT_NEAR(synthe::EnDb(efficace), -12.0, 1.0);
    EXPECT_LE(std::max(synthe::Crete(g), synthe::Crete(d)), synthe::DeDb(CRETE_MUSIQUES_DB) + 1e-6);
}

TEST(Rendu, LeLimiteurTientLeSeuilSansCouperLeReste)
{
    synthe::Signal g(synthe::FREQ, 0.f), d(synthe::FREQ, 0.f);
    for (size_t i = 0; i < g.size(); ++i)
        g[i] = d[i] = 0.3f * static_cast<float>(std::sin(i * 0.05));
    for (size_t i = 20000; i < 20010; ++i)
        g[i] = 1.5f; // pointe brève
    synthe::Limiter(g, d, 0.8, false);
    EXPECT_LE(synthe::Crete(g), 0.8 + 1e-6);
    EXPECT_NEAR(g[5000], 0.3f * std::sin(5000 * 0.05), 1e-6); // loin de la pointe, intact
}

TEST(Reproductible, MemesEntreesMemesFichiers)
{
    synthe::Signal a, b;
    ASSERT_TRUE(RendreBruitage("anneaux", a)); // tirages aléatoires
    ASSERT_TRUE(RendreBruitage("anneaux", b));
    EXPECT_EQ(a, b);
    synthe::Signal c;
    EXPECT_FALSE(RendreBruitage("inconnu", c));
    const fs::path dossier = fs::temp_directory_path();
    const std::string p1 = (dossier / "vanto_essai_1.ogg").string(), p2 = (dossier / "vanto_essai_2.ogg").string();
    std::string erreur;
    ASSERT_TRUE(EcrireOgg(p1, a, {}, 0.4f, erreur)) << erreur;
    ASSERT_TRUE(EcrireOgg(p2, a, {}, 0.4f, erreur)) << erreur;
    EXPECT_EQ(LireFichier(p1), LireFichier(p2));
    EXPECT_FALSE(EcrireOgg((dossier / "absent" / "x.ogg").string(), a, {}, 0.4f, erreur));
    EXPECT_FALSE(erreur.empty());
    fs::remove(p1);
    fs::remove(p2);
}

TEST(Compositions, LAlarmeSAccelereUneMesureParChiffre)
{
    Morceau m;
    std::string erreur;
    ASSERT_TRUE(Lire(LireFichier(std::string(DOSSIER_NOTES) + "/alerte_oxygene.txt"), m, erreur)) << erreur;
    // une mesure par chiffre affiché, toutes les 2,5 s
    EXPECT_NEAR(m.tempsParMesure * 60.0 / m.tempo, 2.5, 1e-9);
    EXPECT_FALSE(m.boucle);
    ASSERT_EQ(m.ordre.size(), 1u);
    const Section& s = m.sections.at(m.ordre[0].first);
    EXPECT_EQ(s.mesures, 5);
    std::vector<int> parMesure(5, 0);
    for (const Note& n : s.pistes.at("alarme"))
        ++parMesure.at(static_cast<size_t>(n.debut / m.tempsParMesure));
    for (size_t k = 1; k < parMesure.size(); ++k)
        EXPECT_GE(parMesure[k], parMesure[k - 1]) << "mesure " << k;
    EXPECT_GT(parMesure[4], 2 * parMesure[0]);
}

TEST(Compositions, ToutesLesPartitionsSeLisent)
{
    for (const char* nom : {"accueil", "alerte_oxygene", "boss", "bouclier_total", "calculs", "final",
                                   "game_over", "no_world", "zone_1", "zone_2"}) {
        Morceau m;
        std::string erreur;
        EXPECT_TRUE(Lire(LireFichier(std::string(DOSSIER_NOTES) + "/" + nom + ".txt"), m, erreur)) << nom << " : " << erreur;
    }
}

} // namespace
