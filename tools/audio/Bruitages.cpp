#include "Bruitages.h"

#include "Couche.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

using namespace synthe;

namespace {

const int PB = FiltreEtat::PasseBas, PH = FiltreEtat::PasseHaut, BP = FiltreEtat::PasseBande;
using F = Forme;

// hauteur d'une note MIDI
double N(double m) { return 440.0 * std::pow(2.0, (m - 69.0) / 12.0); }

// nombre aléatoire dans [a, b]
double Hasard(double a, double b) { return a + (b - a) * (std::rand() / static_cast<double>(RAND_MAX)); }

// clochette FM claire
Couche Clochette(double f, double debut, double duree, double vol, double rapport = 3.5, double indice = 2.0)
{
    return Couche(F::Sinus, f, f, debut, duree, vol).Fm(rapport, indice, 0.2).Env(0.002, duree - 0.01, 0.0, 0.01, 2.5);
}

// bulle : sinus qui monte vite
Couche Bulle(double f, double debut, double duree, double vol)
{
    return Couche(F::Sinus, f, f * 2.6, debut, duree, vol).Courbe(0.6).Env(0.004, duree - 0.01, 0.0, 0.01, 1.5);
}

using Recette = std::function<std::vector<Couche>()>;

std::map<std::string, Recette> Recettes()
{
    std::map<std::string, Recette> r;

    // anneau : deux tintements clairs, le second une quinte plus haut
    r["anneau"] = [] {
        return std::vector<Couche>{
            Clochette(N(93), 0.0, 0.16, 0.6, 3.0, 1.6),
            Clochette(N(100), 0.055, 0.30, 0.7, 3.0, 1.8),
            Couche(F::Carre, N(100), N(100), 0.055, 0.12, 0.12).Duty(0.25).Env(0.002, 0.1, 0.0, 0.01, 2.0),
        };
    };

    // anneaux : une pluie de tintements qui tombent en s'éparpillant
    r["anneaux"] = [] {
        std::vector<Couche> c;
        const int gamme[] = {0, 2, 4, 7, 9};
        for (int k = 0; k < 14; ++k) {
            double debut = k * 0.058 + Hasard(0.0, 0.02);
            int degre = gamme[std::rand() % 5];
            double m = 96 - k * 0.9 + degre - 4;
            double vol = 0.55 * (1.0 - k / 18.0);
            c.push_back(Clochette(N(m), debut, 0.2, vol, 3.0, 1.5));
        }
        return c;
    };

    // vie : petite fanfare montante et accord tenu
    r["vie"] = [] {
        std::vector<Couche> c;
        const double notes[] = {72, 76, 79, 84};
        for (int k = 0; k < 4; ++k)
            c.push_back(Couche(F::Carre, N(notes[k]), N(notes[k]), k * 0.11, 0.13, 0.35)
                            .Duty(0.25).Env(0.003, 0.05, 0.7, 0.03));
        c.push_back(Couche(F::Carre, N(82), N(82), 0.46, 0.14, 0.35).Duty(0.25).Env(0.003, 0.05, 0.7, 0.03));
        c.push_back(Couche(F::Carre, N(84), N(84), 0.60, 0.85, 0.38).Duty(0.25)
                        .Env(0.003, 0.2, 0.6, 0.35).Vib(6.0, 0.25, 0.15));
        c.push_back(Couche(F::Carre, N(79), N(79), 0.60, 0.85, 0.18).Duty(0.5).Env(0.003, 0.2, 0.6, 0.35));
        c.push_back(Couche(F::Triangle, N(48), N(48), 0.0, 0.44, 0.5).Env(0.003, 0.1, 0.8, 0.05));
        c.push_back(Couche(F::Triangle, N(46), N(46), 0.46, 0.14, 0.5).Env(0.003, 0.05, 0.8, 0.03));
        c.push_back(Couche(F::Triangle, N(48), N(48), 0.60, 0.85, 0.5).Env(0.003, 0.2, 0.7, 0.35));
        return c;
    };

    // saut : bip qui monte
    r["saut"] = [] {
        return std::vector<Couche>{
            Couche(F::Carre, 280, 980, 0.0, 0.19, 0.5).Duty(0.25).Courbe(0.7).Env(0.002, 0.16, 0.2, 0.03, 1.2),
            Couche(F::Triangle, 140, 490, 0.0, 0.16, 0.35).Courbe(0.7).Env(0.002, 0.14, 0.0, 0.02),
        };
    };

    // roule : souffle tournant qui s'enroule
    r["roule"] = [] {
        return std::vector<Couche>{
            Couche(F::Bruit, 1, 1, 0.0, 0.30, 0.9).Filtre(BP, 700, 3200, 2.5).Trem(28, 0.7).Env(0.02, 0.26, 0.0, 0.02, 1.3),
            Couche(F::Carre, 420, 160, 0.0, 0.22, 0.18).Duty(0.125).Trem(28, 0.5).Env(0.005, 0.2, 0.0, 0.02),
        };
    };

    // glisse : crissement de semelle, un sifflement aigu qui frémit en descendant
    r["glisse"] = [] {
        return std::vector<Couche>{
            Couche(F::Sinus, 2700, 2100, 0.0, 0.42, 0.45).Fm(0.5, 1.2, 0.6).Vib(38, 0.7).Trem(27, 0.5).Env(0.008, 0.05, 0.85, 0.1),
            Couche(F::Scie, 1350, 1050, 0.0, 0.42, 0.12).Vib(38, 0.7).Filtre(BP, 2600, 2100, 4.0).Env(0.008, 0.05, 0.8, 0.1),
            Couche(F::Bruit, 1, 1, 0.0, 0.42, 0.35).Filtre(BP, 3200, 2400, 3.0).Trem(27, 0.6).Env(0.01, 0.05, 0.7, 0.1),
        };
    };

    // burstrev : moteur qui s'emballe
    r["burstrev"] = [] {
        return std::vector<Couche>{
            Couche(F::Scie, 180, 1100, 0.0, 0.30, 0.35).Courbe(0.8).Trem(32, 0.6).Filtre(PB, 1200, 5000).Env(0.004, 0.05, 0.9, 0.05),
            Couche(F::Bruit, 1, 1, 0.0, 0.30, 0.35).Filtre(BP, 1500, 5000, 2.0).Trem(32, 0.8).Env(0.004, 0.05, 0.7, 0.05),
        };
    };

    // burstrev_go : départ puissant, le son file vers le grave
    r["burstrev_go"] = [] {
        return std::vector<Couche>{
            Couche(F::Scie, 1400, 140, 0.0, 0.50, 0.45).Courbe(0.5).Filtre(PB, 6000, 800).Env(0.003, 0.45, 0.0, 0.04, 1.6),
            Couche(F::Bruit, 1, 1, 0.0, 0.50, 0.9).Filtre(BP, 4500, 400, 1.5).Env(0.003, 0.45, 0.0, 0.04, 1.4),
            Couche(F::Sinus, 160, 55, 0.0, 0.30, 0.5).Env(0.003, 0.27, 0.0, 0.02, 2.0),
        };
    };

    // oxygene : deux bulles avalées et un petit souffle
    r["oxygene"] = [] {
        return std::vector<Couche>{
            Bulle(300, 0.0, 0.09, 0.6),
            Bulle(380, 0.13, 0.11, 0.7),
            Couche(F::Bruit, 1, 1, 0.05, 0.42, 0.25).Filtre(BP, 900, 2400, 1.2).Env(0.15, 0.2, 0.0, 0.05),
        };
    };

    // se_noye : glouglous de plus en plus faibles sur un grave qui sombre
    r["se_noye"] = [] {
        std::vector<Couche> c;
        double t = 0.0;
        for (int k = 0; k < 18; ++k) {
            double f = Hasard(180, 420) * (1.0 - k / 40.0);
            c.push_back(Bulle(f, t, Hasard(0.05, 0.09), 0.55 * (1.0 - k / 24.0)));
            t += Hasard(0.07, 0.16) * (1.0 + k / 20.0);
        }
        c.push_back(Couche(F::Triangle, N(52), N(40), 0.0, 2.6, 0.35).Vib(7, 0.8).Env(0.05, 0.5, 0.6, 0.8));
        c.push_back(Couche(F::Bruit, 1, 1, 0.0, 2.6, 0.3).Filtre(PB, 900, 200).Trem(9, 0.8).Env(0.05, 0.5, 0.6, 0.8));
        return c;
    };

    // perdu : plainte qui descend en tremblant
    r["perdu"] = [] {
        return std::vector<Couche>{
            Couche(F::Carre, 820, 190, 0.0, 0.70, 0.45).Duty(0.5).Courbe(1.3).Vib(11, 0.5).Env(0.003, 0.1, 0.7, 0.15),
            Couche(F::Triangle, 410, 95, 0.0, 0.70, 0.4).Courbe(1.3).Env(0.003, 0.1, 0.7, 0.15),
        };
    };

    // pics : choc métallique
    r["pics"] = [] {
        return std::vector<Couche>{
            Couche(F::Sinus, 520, 500, 0.0, 0.30, 0.6).Fm(1.41, 7.0, 0.5).Env(0.001, 0.29, 0.0, 0.01, 2.5),
            Couche(F::Sinus, 1330, 1330, 0.0, 0.22, 0.3).Fm(2.76, 3.0, 0.2).Env(0.001, 0.21, 0.0, 0.01, 3.0),
            Couche(F::Bruit, 1, 1, 0.0, 0.05, 0.6).Filtre(PH, 3000, 3000).Env(0.001, 0.045, 0.0, 0.004, 2.0),
        };
    };

    // ressort : boing qui oscille
    r["ressort"] = [] {
        return std::vector<Couche>{
            Couche(F::Triangle, 200, 420, 0.0, 0.34, 0.6).Vib(17, 2.0).Env(0.002, 0.3, 0.0, 0.03, 1.3),
            Couche(F::Carre, 200, 420, 0.0, 0.25, 0.15).Duty(0.125).Vib(17, 2.0).Env(0.002, 0.22, 0.0, 0.02, 1.6),
        };
    };

    // pung : pong vif et rebondi
    r["pung"] = [] {
        return std::vector<Couche>{
            Couche(F::Carre, 1350, 1000, 0.0, 0.24, 0.35).Courbe(0.4).Env(0.001, 0.22, 0.0, 0.02, 2.0),
            Couche(F::Sinus, 675, 500, 0.0, 0.24, 0.5).Courbe(0.4).Env(0.001, 0.22, 0.0, 0.02, 1.5),
        };
    };

    // checkpoint : ding et petite rotation
    r["checkpoint"] = [] {
        return std::vector<Couche>{
            Clochette(N(88), 0.0, 0.55, 0.6, 2.0, 2.5),
            Clochette(N(95), 0.0, 0.50, 0.3, 2.0, 1.5),
            Couche(F::Bruit, 1, 1, 0.0, 0.40, 0.35).Filtre(BP, 2500, 4500, 3.0).Trem(18, 0.9).Env(0.01, 0.3, 0.0, 0.05),
        };
    };

    // fin_level : panneau qui tourne en ralentissant, carillon au départ
    r["fin_level"] = [] {
        std::vector<Couche> c;
        for (int k = 0; k < 24; ++k) {
            // tours de plus en plus espacés
            double t = 2.2 * (1.0 - std::pow(1.0 - k / 24.0, 1.6));
            c.push_back(Couche(F::Bruit, 1, 1, t, 0.06, 0.5 * (1.0 - k / 30.0)).Filtre(BP, 2200, 1800, 2.5).Env(0.004, 0.05, 0.0, 0.006, 1.5));
            c.push_back(Couche(F::Carre, 900 - k * 12, 800 - k * 12, t, 0.04, 0.08).Duty(0.25).Env(0.002, 0.035, 0.0, 0.003));
        }
        c.push_back(Clochette(N(84), 0.0, 1.2, 0.45, 2.0, 2.0));
        c.push_back(Clochette(N(88), 0.06, 1.1, 0.4, 2.0, 2.0));
        c.push_back(Clochette(N(91), 0.12, 1.1, 0.4, 2.0, 2.0));
        return c;
    };

    // teleportation : bourdon qui monte, scintillant
    r["teleportation"] = [] {
        Couche bourdon(F::Scie, 90, 360, 0.0, 3.0, 0.4);
        bourdon.unisson = 3;
        bourdon.desaccord = 14;
        bourdon.Filtre(PB, 300, 4000).Env(0.4, 0.1, 1.0, 0.8);
        return std::vector<Couche>{
            bourdon,
            Couche(F::Sinus, 720, 2880, 0.3, 2.7, 0.18).Fm(1.5, 1.5, 3.0).Trem(11, 0.7).Env(0.6, 0.1, 1.0, 0.8),
            Couche(F::Carre, 180, 720, 0.0, 3.0, 0.1).Duty(0.25).Vib(6, 0.3).Env(0.5, 0.1, 1.0, 0.8),
        };
    };

    // plouf : éclaboussure brève
    r["plouf"] = [] {
        return std::vector<Couche>{
            Couche(F::Bruit, 1, 1, 0.0, 0.25, 0.9).Filtre(BP, 3000, 700, 1.2).Env(0.002, 0.23, 0.0, 0.02, 2.2),
            Couche(F::Sinus, 420, 160, 0.0, 0.14, 0.45).Env(0.002, 0.12, 0.0, 0.02, 1.5),
        };
    };

    // bim : petite explosion nette
    r["bim"] = [] {
        return std::vector<Couche>{
            Couche(F::Bruit, 1, 1, 0.0, 0.42, 1.0).Filtre(PB, 7000, 400).Env(0.001, 0.4, 0.0, 0.02, 2.5),
            Couche(F::Carre, 620, 70, 0.0, 0.30, 0.35).Courbe(0.5).Env(0.001, 0.28, 0.0, 0.02, 1.8),
        };
    };

    // pouf : souffle sourd et lourd
    r["pouf"] = [] {
        return std::vector<Couche>{
            Couche(F::Bruit, 1, 1, 0.0, 0.28, 1.0).Filtre(PB, 1600, 180).Env(0.004, 0.26, 0.0, 0.02, 1.8),
            Couche(F::Sinus, 110, 38, 0.0, 0.26, 0.8).Env(0.003, 0.24, 0.0, 0.02, 1.5),
        };
    };

    // brrr : grondement grave qui craque
    r["brrr"] = [] {
        return std::vector<Couche>{
            Couche(F::BruitTenu, 140, 70, 0.0, 0.55, 0.7).Filtre(PB, 900, 300).Env(0.005, 0.1, 0.7, 0.2),
            Couche(F::Bruit, 1, 1, 0.0, 0.55, 0.6).Filtre(PB, 500, 150, 1.0).Trem(23, 0.6).Env(0.005, 0.1, 0.7, 0.2),
            Couche(F::Sinus, 60, 40, 0.0, 0.5, 0.5).Env(0.01, 0.2, 0.5, 0.2),
        };
    };

    // bouclier : voile scintillant qui se referme
    r["bouclier"] = [] {
        return std::vector<Couche>{
            Couche(F::Sinus, 300, 1200, 0.0, 0.70, 0.45).Fm(2.0, 3.0, 0.5).Trem(15, 0.5).Env(0.03, 0.3, 0.5, 0.3),
            Couche(F::Sinus, 450, 1800, 0.0, 0.70, 0.25).Fm(1.5, 2.0, 0.3).Trem(21, 0.6).Env(0.05, 0.3, 0.5, 0.3),
            Couche(F::Bruit, 1, 1, 0.0, 0.60, 0.25).Filtre(BP, 1000, 6000, 2.0).Env(0.1, 0.3, 0.3, 0.2),
        };
    };

    // bouclier_eau : plongeon en bulles
    r["bouclier_eau"] = [] {
        std::vector<Couche> c;
        c.push_back(Couche(F::Bruit, 1, 1, 0.0, 0.5, 0.5).Filtre(PB, 2500, 250).Env(0.003, 0.45, 0.0, 0.05, 1.5));
        c.push_back(Couche(F::Sinus, 700, 180, 0.0, 0.3, 0.4).Env(0.003, 0.27, 0.0, 0.03));
        for (int k = 0; k < 6; ++k)
            c.push_back(Bulle(Hasard(350, 700), 0.08 + k * 0.06, 0.06, 0.4));
        return c;
    };

    // bouclier_feu : bouffée de flammes
    r["bouclier_feu"] = [] {
        return std::vector<Couche>{
            Couche(F::Bruit, 1, 1, 0.0, 0.5, 0.9).Filtre(PB, 700, 5000).Env(0.01, 0.45, 0.0, 0.04, 1.3),
            Couche(F::BruitTenu, 2600, 1200, 0.0, 0.45, 0.25).Filtre(PH, 1500, 1500).Env(0.005, 0.4, 0.0, 0.04, 2.0),
            Couche(F::Scie, 110, 70, 0.0, 0.4, 0.3).Filtre(PB, 600, 300).Env(0.005, 0.37, 0.0, 0.03, 1.4),
        };
    };

    // bouclier_eclair : décharge électrique
    r["bouclier_eclair"] = [] {
        return std::vector<Couche>{
            Couche(F::Carre, 1500, 300, 0.0, 0.40, 0.3).Vib(60, 5.0).Env(0.001, 0.37, 0.0, 0.03, 1.6),
            Couche(F::BruitTenu, 5000, 2000, 0.0, 0.40, 0.5).Trem(35, 0.9).Env(0.001, 0.37, 0.0, 0.03, 1.4),
            Couche(F::Sinus, 880, 220, 0.0, 0.25, 0.3).Fm(0.51, 8.0, 1.0).Env(0.001, 0.23, 0.0, 0.02, 2.0),
        };
    };

    // scie : moteur qui monte en régime, tient puis retombe
    r["scie"] = [] {
        Couche montee(F::Scie, 55, 170, 0.0, 0.9, 0.45);
        montee.Courbe(0.6).Trem(30, 0.3).Filtre(PB, 600, 2500).Env(0.05, 0.1, 1.0, 0.02);
        Couche tenue(F::Scie, 170, 150, 0.88, 1.0, 0.45);
        tenue.Trem(34, 0.3).Filtre(PB, 2500, 2000).Vib(8, 0.3).Env(0.02, 0.1, 1.0, 0.02);
        Couche chute(F::Scie, 150, 60, 1.86, 0.5, 0.45);
        chute.Trem(26, 0.3).Filtre(PB, 2000, 500).Env(0.02, 0.1, 1.0, 0.2);
        Couche grain(F::Bruit, 1, 1, 0.0, 2.36, 0.2);
        grain.Filtre(BP, 1800, 1200, 2.0).Trem(30, 0.6).Env(0.1, 0.2, 0.8, 0.3);
        return std::vector<Couche>{montee, tenue, chute, grain};
    };

    // fsht : souffle d'air rapide
    r["fsht"] = [] {
        return std::vector<Couche>{
            Couche(F::Bruit, 1, 1, 0.0, 0.30, 1.0).Filtre(BP, 600, 5000, 1.5).Env(0.09, 0.18, 0.0, 0.03, 1.2),
        };
    };

    // flamme : jet de réacteur
    r["flamme"] = [] {
        return std::vector<Couche>{
            Couche(F::Bruit, 1, 1, 0.0, 0.45, 0.9).Filtre(PB, 2500, 900).Env(0.03, 0.15, 0.6, 0.2),
            Couche(F::BruitTenu, 1800, 1800, 0.0, 0.45, 0.2).Filtre(PH, 1200, 1200).Trem(40, 0.8).Env(0.03, 0.15, 0.5, 0.2),
            Couche(F::Bruit, 1, 1, 0.0, 0.45, 0.6).Filtre(PB, 180, 120, 1.0).Env(0.03, 0.2, 0.6, 0.2),
        };
    };

    // clic : tic très bref
    r["clic"] = [] {
        return std::vector<Couche>{
            Couche(F::Carre, 2400, 1800, 0.0, 0.012, 0.5).Env(0.0008, 0.011, 0.0, 0.001, 2.0),
        };
    };

    // total : tiroir-caisse puis carillon
    r["total"] = [] {
        std::vector<Couche> c;
        c.push_back(Couche(F::Bruit, 1, 1, 0.0, 0.12, 0.6).Filtre(BP, 3500, 2500, 2.0).Env(0.002, 0.11, 0.0, 0.01, 2.0));
        c.push_back(Couche(F::Sinus, 800, 800, 0.0, 0.2, 0.4).Fm(1.41, 5.0, 0.5).Env(0.001, 0.19, 0.0, 0.01, 2.5));
        const double notes[] = {96, 100, 103, 108};
        for (int k = 0; k < 4; ++k)
            c.push_back(Clochette(N(notes[k]), 0.12 + k * 0.05, 1.5 - k * 0.1, 0.4, 3.0, 1.6));
        return c;
    };

    return r;
}

unsigned Graine(const std::string& nom)
{
    unsigned h = 2166136261u;
    for (char ch : nom)
        h = (h ^ static_cast<unsigned char>(ch)) * 16777619u;
    return h;
}

} // namespace

std::vector<std::string> NomsBruitages()
{
    std::vector<std::string> noms;
    for (const auto& [nom, recette] : Recettes())
        noms.push_back(nom);
    return noms;
}

void FinaliserBruitage(Signal& s)
{
    if (s.empty())
        return;
    RetirerContinu(s, 25.0);
    Fondus(s, 0.0005, std::min(0.008, s.size() / 4.0 / FREQ));
    // un peu de silence devant l'attaque : le codeur ne fait pas déborder l'attaque sur le premier échantillon
    s.insert(s.begin(), static_cast<size_t>(SILENCE_AVANT * FREQ), 0.f);
    double crete = Crete(s), efficace = Efficace(s);
    if (crete <= 0.0)
        return;
    double gain = DeDb(CRETE_BRUITAGES_DB) / crete;
    if (efficace * gain > DeDb(EFFICACE_MAX_BRUITAGES_DB))
        gain = DeDb(EFFICACE_MAX_BRUITAGES_DB) / efficace;
    for (float& v : s)
        v = static_cast<float>(v * gain);
}

bool RendreBruitage(const std::string& nom, Signal& sortie)
{
    auto recettes = Recettes();
    auto it = recettes.find(nom);
    if (it == recettes.end())
        return false;
    std::srand(Graine(nom));
    sortie = RendreCouches(it->second());
    FinaliserBruitage(sortie);
    return true;
}
