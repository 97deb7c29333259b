#pragma once

// Découpe le temps réel en pas de jeu réguliers : le jeu avance de la même façon à toute cadence
// d'affichage (à 30 images/s, deux pas par frame ; à 120, un pas une frame sur deux). Une frame
// trop lente ne compte que pour `dureeMax` : en dessous de cette cadence, le jeu ralentit.
class PasFixes
{
public:
    static constexpr float DUREE_PAS = 1.f / 60.f;

    explicit PasFixes(float pas = DUREE_PAS, float dureeMax = 1.f / 20.f);

    // Pas à jouer pour une frame de cette durée (en secondes) ; le reste passe à la frame suivante
    int Pas(float duree);
    float DureePas() const { return pas; }
    // Oublie le reste (reprise après une pause, nouvel écran)
    void Reprendre() { reste = 0.f; }

private:
    float pas;
    float dureeMax;
    float reste;
};
