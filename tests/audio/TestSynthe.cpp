// Briques du synthétiseur : enveloppes sans saut, oscillateurs centrés, filtre, écho circulaire, normalisation
#include "Bruitages.h"
#include "Couche.h"
#include "Synthe.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace synthe;

namespace {

Signal Sinus(double f, size_t n, float a = 0.5f)
{
    Signal s(n);
    for (size_t i = 0; i < n; ++i)
        s[i] = a * static_cast<float>(std::sin(2.0 * M_PI * f * i / FREQ));
    return s;
}

TEST(Enveloppe, MonteTientEtRetombeAZeroSansSaut)
{
    Enveloppe e{0.01, 0.1, 0.5, 0.2, 2.0};
    const double porte = 0.5;
    EXPECT_DOUBLE_EQ(e.Valeur(0.0, porte), 0.0);
    EXPECT_NEAR(e.Valeur(0.01, porte), 1.0, 1e-9);
    EXPECT_NEAR(e.Valeur(0.3, porte), 0.5, 1e-9);
    // relâche continue, y compris quand la porte tombe pendant l'attaque
    for (double p : {porte, 0.005, 0.05}) {
        EXPECT_NEAR(e.Valeur(p - 1e-6, p), e.Valeur(p + 1e-6, p), 1e-3) << p;
        EXPECT_NEAR(e.Valeur(e.Fin(p), p), 0.0, 1e-12);
        EXPECT_LT(e.Valeur(e.Fin(p) - 1.0 / FREQ, p), 1e-3);
    }
}

TEST(Oscillateur, CarresEtSciesCentresEtBornes)
{
    for (Forme f : {Forme::Carre, Forme::Scie, Forme::Triangle})
        for (double duty : {0.125, 0.25, 0.5}) {
            Oscillateur o(f, duty);
            double somme = 0.0, crete = 0.0;
            const int n = FREQ; // une seconde à 441 Hz : 441 périodes entières
            for (int i = 0; i < n; ++i) {
                float v = o.Suivant(441.0 / FREQ);
                somme += v;
                crete = std::max(crete, static_cast<double>(std::fabs(v)));
            }
            EXPECT_NEAR(somme / n, 0.0, 0.01) << static_cast<int>(f) << " " << duty;
            EXPECT_LT(crete, 2.3);
            EXPECT_GT(crete, 0.7);
        }
}

TEST(Filtre, PasseBasGardeLeGraveEtCoupeLAigu)
{
    auto sortie = [](double f) {
        FiltreEtat filtre(FiltreEtat::PasseBas);
        filtre.Regler(400.0, 0.7);
        Signal s = Sinus(f, FREQ / 2);
        for (float& v : s)
            v = filtre.Traiter(v);
        return Efficace(Signal(s.begin() + FREQ / 4, s.end())) / Efficace(Sinus(f, FREQ / 4));
    };
    EXPECT_NEAR(EnDb(sortie(100.0)), 0.0, 1.0);
    EXPECT_LT(EnDb(sortie(6000.0)), -35.0);
}

TEST(Effets, EchoEtReverbCirculairesRevenantAuDebut)
{
    const size_t n = FREQ;
    Signal envoi(n, 0.f);
    envoi[n - 100] = 1.f; // frappe juste avant la fin de la boucle
    Signal g(n, 0.f), d(n, 0.f);
    AppliquerDelai(g, d, envoi, 0.1, 0.5, true);
    const size_t retour = static_cast<size_t>(0.1 * FREQ) - 100;
    EXPECT_NEAR(g[retour], 1.f, 1e-6);                          // premier écho, replié au début
    EXPECT_NEAR(d[retour + static_cast<size_t>(0.1 * FREQ)], 0.5f, 1e-6); // rebond à droite
    Signal g2(n, 0.f), d2(n, 0.f), g3(n, 0.f), d3(n, 0.f);
    AppliquerReverb(g2, d2, envoi, 0.8, 0.4, true);
    AppliquerReverb(g3, d3, envoi, 0.8, 0.4, false);
    Signal debut2(g2.begin(), g2.begin() + FREQ / 5), debut3(g3.begin(), g3.begin() + FREQ / 5);
    EXPECT_GT(Efficace(debut2), 1e-4);
    EXPECT_EQ(Efficace(debut3), 0.0);
}

TEST(Couche, LaVersionCirculaireReplieLaFinSurLeDebut)
{
    Couche c(Forme::Sinus, 300, 300, 0.0, 0.2, 1.0);
    c.Env(0.001, 0.1, 1.0, 0.01);
    Signal s(FREQ / 10, 0.f); // 0,1 s, la couche en dure 0,2
    c.RendreCirculaire(s, FREQ / 20, 1.f);
    Signal plein;
    c.Rendre(plein);
    ASSERT_EQ(plein.size(), static_cast<size_t>(0.2 * FREQ));
    // l'échantillon 0 reçoit les rangs 0,05 s et 0,15 s de la couche
    EXPECT_NEAR(s[0], plein[FREQ / 20] + plein[3 * FREQ / 20], 1e-5);
}

TEST(Bruitages, NormalisesSousLePlafondAvecUnDebutMuet)
{
    for (const std::string& nom : NomsBruitages()) {
        Signal s;
        ASSERT_TRUE(RendreBruitage(nom, s)) << nom;
        EXPECT_LE(Crete(s), DeDb(CRETE_BRUITAGES_DB) + 1e-6) << nom;
        EXPECT_LE(Efficace(s), DeDb(EFFICACE_MAX_BRUITAGES_DB) + 1e-6) << nom;
        const size_t muet = static_cast<size_t>(SILENCE_AVANT * FREQ);
        for (size_t i = 0; i < muet; ++i)
            ASSERT_EQ(s[i], 0.f) << nom;
        EXPECT_LT(std::fabs(s.back()), 1e-3) << nom;
    }
    EXPECT_EQ(NomsBruitages().size(), 30u);
}

} // namespace
