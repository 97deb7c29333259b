#pragma once

#include <cstdint>
#include <vector>

// Briques du synthétiseur : oscillateurs, enveloppes, filtres, bruit, effets.
namespace synthe {

constexpr int FREQ = 44100;
using Signal = std::vector<float>;

enum class Forme { Sinus, Carre, Triangle, Scie, Bruit, BruitTenu };

// Bruit blanc tiré de rand() (graine posée par l'appelant)
float Bruit();

// Oscillateur à bande limitée (polyBLEP) ; phase dans [0,1)
class Oscillateur
{
public:
    explicit Oscillateur(Forme f = Forme::Sinus, double duty = 0.5) : forme(f), rapport(duty) {}
    // dp = fréquence / FREQ
    float Suivant(double dp);
    double phase = 0.0;

private:
    Forme forme;
    double rapport;
    float tenu = 0.f;
    double integre = 0.0;
};

// Enveloppe ADSR ; la porte est la durée tenue, la sortie tombe à zéro après r
struct Enveloppe
{
    double a = 0.005, d = 0.1, s = 0.7, r = 0.05;
    double courbe = 1.0; // forme de la chute (1 linéaire, >1 plus sèche)
    double Valeur(double t, double porte) const;
    double Fin(double porte) const { return porte + r; }
};

// Filtre à variables d'état (topologie à retard nul), stable en balayage
class FiltreEtat
{
public:
    enum Mode { PasseBas, PasseHaut, PasseBande };
    explicit FiltreEtat(Mode m = PasseBas) : mode(m) {}
    void Regler(double coupure, double q);
    float Traiter(float x);

private:
    Mode mode;
    double g = 0.0, k = 1.0, a1 = 0.0, a2 = 0.0, a3 = 0.0;
    double ic1 = 0.0, ic2 = 0.0;
};

// Ligne à retard stéréo croisée (ping-pong)
void AppliquerDelai(Signal& g, Signal& d, const Signal& envoi, double secondes,
                    double reinjection, bool circulaire);

// Réverbération légère (peignes et passe-tout), envoi mono, sortie stéréo
void AppliquerReverb(Signal& g, Signal& d, const Signal& envoi, double taille,
                     double amorti, bool circulaire);

// Mesures
double Crete(const Signal& s);
double Efficace(const Signal& s);
inline double EnDb(double v) { return v > 1e-12 ? 20.0 * __builtin_log10(v) : -240.0; }
inline double DeDb(double db) { return __builtin_pow(10.0, db / 20.0); }

// Retire la composante continue (passe-haut doux)
void RetirerContinu(Signal& s, double coupure = 20.0);

// Limiteur à anticipation : aucun échantillon ne dépasse le seuil
void Limiter(Signal& g, Signal& d, double seuil, bool circulaire);

// Fondus aux extrémités (en secondes)
void Fondus(Signal& s, double entree, double sortie);

} // namespace synthe
