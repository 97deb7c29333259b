#pragma once

#include "Couche.h"
#include "Synthe.h"

#include <map>
#include <string>
#include <vector>

// Séquenceur : lit une musique écrite en notation texte et la rend en stéréo.
//
// Notation (un fichier par musique) :
//   tempo 150 / mesure 4 / boucle oui|non / queue 1.5 / grille 4 / volume -12
//   reverb <taille> <amorti> / delai <temps> <réinjection>
//   instrument <nom> <forme> clé=valeur...   (formes : carre triangle scie sinus fm bruit)
//   batterie vol=0.8 reverb=0.1
//   section <nom> <mesures> [tempo=N] ... fin
//     <instrument>: notes  c5:8 e5 g5:4. r:8 - (tenue) bb4:16! (accent) c4? (doux)
//     <instrument à accords>: Am7:1 F:2 G:2
//     bd/sn/hh/oh/cr/cl/tb/th: x...x...X.o.   (un pas par caractère)
//     ( ... )x2 répète, | vérifie la barre de mesure
//   ordre intro A B A+2 (transposition en demi-tons)
namespace sequenceur {

struct Note
{
    double debut = 0.0, duree = 0.0; // en temps
    std::vector<double> hauteurs;    // notes MIDI (plusieurs pour un accord)
    double velocite = 1.0;
};

struct Frappe
{
    double debut = 0.0;
    int futs = 0;
    double velocite = 1.0;
};

enum class Style { Melodie, Plaque, Arpege, Contretemps, Croches };

struct Instrument
{
    std::string nom;
    Couche modele;
    Style style = Style::Melodie;
    double pas = 0.25;     // arpège : durée d'un pas en temps
    double centre = 62.0;  // accords : hauteur autour de laquelle on les place
    double porte = 0.92;   // part de la note tenue
    double octave = 0.0;   // transposition en demi-tons
    double envoiDelai = 0.0, envoiReverb = 0.0;
};

struct Section
{
    std::string nom;
    int mesures = 0;
    double tempo = 0.0; // 0 : tempo du morceau
    std::map<std::string, std::vector<Note>> pistes;
    std::vector<Frappe> frappes;
};

struct Morceau
{
    double tempo = 120.0;
    int tempsParMesure = 4;
    int grille = 4;
    bool boucle = true;
    double queue = 1.5; // sans boucle : secondes gardées après la dernière mesure
    double efficaceDb = -12.0;
    double reverbTaille = 0.8, reverbAmorti = 0.4;
    double delaiTemps = 0.75, delaiReinjection = 0.3;
    double volumeBatterie = 0.8, reverbBatterie = 0.08;
    std::vector<Instrument> instruments;
    std::map<std::string, Section> sections;
    std::vector<std::pair<std::string, int>> ordre; // section, transposition
};

// Noms des fûts de la batterie, dans l'ordre de Frappe::futs
const std::vector<std::string>& NomsFuts();

// Lit le texte ; en cas d'erreur, erreur donne la ligne et la raison
bool Lire(const std::string& texte, Morceau& morceau, std::string& erreur);

// Durée d'un passage complet de l'ordre, en secondes
double Duree(const Morceau& morceau);

// Rend le morceau (boucle : repliée pour que la fin rejoigne le début)
// niveaux, si donné, reçoit l'efficace de chaque piste (dBFS, après normalisation)
bool Rendre(const Morceau& morceau, synthe::Signal& g, synthe::Signal& d, std::string& erreur,
            std::vector<std::pair<std::string, double>>* niveaux = nullptr);

constexpr double DUREE_MAX = 600.0;
constexpr double CRETE_MUSIQUES_DB = -2.5;

} // namespace sequenceur
