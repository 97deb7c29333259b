#pragma once

#include <SFML/System/Vector2.hpp>

class PolygonePhysique;

// Loi de balancement des plates-formes mobiles : pas angulaire constant par frame,
// accéléré vers 3π/2 et freiné au-delà ; la phase va de π à 2π et revient.
class Balancier
{
public:
    explicit Balancier(float pas = 0.f) : alpha(pas), omega(0.f), theta(3.14159265358979323846) {}

    // Une frame : renvoie la nouvelle phase
    double Pas();

    // Mène le corps sur la cible en une frame : vitesse, force motrice (qui porte
    // les corps posés dessus), segments déplacés, puis vitesse remise à zéro.
    // Avec une durée nulle ou négative rien ne bouge et rien n'est porté.
    static void DeplacerVers(PolygonePhysique& corps, const sf::Vector2f& cible, float dt);

    float alpha;
    float omega;
    double theta;
};
