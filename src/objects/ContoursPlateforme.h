#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

// Géométrie des contours de collision du décor fixe, en pixels locaux
// (relatifs au centre de la tuile, y vers le bas). Fonction pure du numéro
// de genre : sert à la Plateforme et au générateur d'images.
class ContoursPlateforme
{
public:
    // Couleur lue dans les paramètres de la tuile
    enum Couleur { AUTRE, ROUGE, BLEU, MAGENTA };

    // Planche d'image de la tuile
    enum Planche { AUCUNE, PLANCHE_128, PLANCHE_XL };

    // Un segment orienté ; sa normale (-dy, dx) pointe vers le côté plein
    struct Trait
    {
        sf::Vector2f debut;
        sf::Vector2f fin;
        int drapeaux;
    };

    // Image de la tuile : cellule de la planche 128 (colonne -1 = au hasard
    // parmi 0 à 4) ou rectangle de la planche xl
    struct Apparence
    {
        Planche planche = AUCUNE;
        int ligne = 0;
        int colonne = 0;
        sf::IntRect rectangle;
        sf::Vector2f origine;
    };

    static const int DRAPEAUX_PLEIN = 125;
    static const int DRAPEAUX_SENS_UNIQUE = 61;
    static const int DRAPEAU_BORD = 4;
    static const int DRAPEAUX_VRILLE = 14;

    // Contour d'un genre (vide pour un genre inconnu ou sans contour)
    static std::vector<Trait> Contour(int genre, Couleur couleur = AUTRE);
    static Apparence Image(int genre);
    // Couleur reconnue d'après (r, v, b) entiers
    static Couleur LireCouleur(int r, int v, int b);

    // Tous les genres de tuile reconnus (plateformes, boucle, vrilles, tube)
    static const std::vector<int>& Genres();

    // Chaîne d'une courbe de P0 vers P2 pliée vers C, en n segments
    static std::vector<sf::Vector2f> Courbe(sf::Vector2f p0, sf::Vector2f c, sf::Vector2f p2, int n);
    // Intersection de deux droites (0, 0) si parallèles
    static sf::Vector2f Intersection(sf::Vector2f a1, sf::Vector2f a2, sf::Vector2f b1, sf::Vector2f b2);
};
