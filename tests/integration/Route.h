#pragma once

#include <string>
#include <vector>

class Heros;

// Route d'un parcours scripté : une étape par ligne, chacune armée quand la précédente a eu lieu.
//   [vanto:|tormundo:] conditions... action [valeur]
// conditions : x>N x<N y>N y<N t>N sol air ; actions : droite gauche stop saut [D] bas [D] haut [D]
// charge [N] attendre D auto oui|non fin. Sans étape, droite tenue et saut quand le héros piétine.
class Route
{
public:
    struct Condition
    {
        char variable = 'x'; // x, y, t, s (au sol), a (en l'air)
        bool plusGrand = true;
        float valeur = 0.f;
    };
    struct Etape
    {
        std::vector<Condition> conditions;
        std::string action;
        float valeur = -1.f; // < 0 : valeur par défaut de l'action
        bool oui = true;     // pour « auto »
        int ligne = 0;
    };

    // Lit un fichier de route pour ce héros (0 Vanto, 1 Tormundo) ; faux et message si une ligne est fausse
    bool Charger(const std::string& chemin, int heros, std::string* erreur = nullptr);
    // Même chose depuis un texte (essais)
    bool Lire(const std::string& texte, int heros, std::string* erreur = nullptr);
    void Vider();

    // Reprend à la première étape, direction droite et saut automatique
    void Recommencer();
    // Commandes d'une frame ; tNiveau : secondes de jeu depuis le début (ou la reprise) du niveau
    void Appliquer(Heros& h, float tNiveau, float dt);

    // sauts commandés depuis la création (route et sauts automatiques)
    int Sauts() const { return sauts; }
    int EtapeCourante() const { return prochaine; }
    int NombreEtapes() const { return int(etapes.size()); }

private:
    bool Remplie(const Etape& e, const Heros& h, float t) const;
    void Declencher(const Etape& e, const Heros& h, float t);
    void Sauter(float t, float duree);

    std::vector<Etape> etapes;
    size_t prochaine = 0;
    bool finie = false;

    // état des commandes
    int direction = 1;         // 1 droite, -1 gauche, 0 rien
    int directionAvant = 1;    // reprise après « attendre »
    float finAttente = -1.f;
    float finSaut = -10.f, debutSaut = -10.f;
    float finBas = -1.f, finHaut = -1.f;
    bool automatique = true;
    // charge : 0 rien, 1 arrêt, 2 accroupi, 3 appuis, 4 lâcher
    int phaseCharge = 0, appuisRestants = 0;
    float tPhase = 0.f, tAppui = 0.f;
    // piétinement
    float xRepere = 0.f, tRepere = 0.f; // tRepere : case de la grille de 0,4 s
    int sauts = 0;
};
