#pragma once

#include <SFML/System/Vector2.hpp>

class PolygonePhysique;

// Loi de balancement des plates-formes mobiles : accélération angulaire constante vers 3π/2,
// freinage au-delà ; la phase va de π à 2π et revient. Le pas angulaire est donné par frame
// de 1/60 s, mais la loi suit le temps : à toute cadence la plate-forme est au même point.
class Balancier
{
public:
    explicit Balancier(float pas = 0.f) : alpha(pas), omega(0.0), theta(3.14159265358979323846) {}

    // Avance de dt secondes : renvoie la nouvelle phase
    double Pas(float dt);

    // Mène le corps sur la cible en une frame : vitesse, force motrice (qui porte
    // les corps posés dessus), segments déplacés, puis vitesse remise à zéro.
    // Avec une durée nulle ou négative rien ne bouge et rien n'est porté.
    static void DeplacerVers(PolygonePhysique& corps, const sf::Vector2f& cible, float dt);

    // Durée de la frame de référence du pas angulaire
    static constexpr double FRAME_REFERENCE = 1.0 / 60.0;

    float alpha;
    double omega; // radians par seconde
    double theta;
};
