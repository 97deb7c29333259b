#pragma once

#include "physics/Vecteur.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/System/Vector2.hpp>

namespace sf { class RenderTarget; }

// Drapeaux de collision d'un segment
enum
{
    SEG_SOL = 0x01,
    SEG_SOL_SI_AU_SOL = 0x02,
    SEG_BORD = 0x04,
    SEG_CONTINUITE = 0x08,
    SEG_EXTREMITE = 0x10,
    SEG_COTE = 0x20,
    SEG_TOUS_SENS = 0x40,
    SEG_CAPTEUR = 0x80,
    SEG_ACTION = 0x100
};

// Segment orienté de a vers b : direction, normale, projections et angle précalculés.
class Segment
{
public:
    Segment(const sf::Vector2f& a, const sf::Vector2f& b, int drapeaux);
    virtual ~Segment();

    const sf::Vector2f& A() const { return a; }
    const sf::Vector2f& B() const { return b; }
    int Drapeaux() const { return drapeaux; }
    double Angle() const { return angle; }
    const Vecteur& Direction() const { return direction; }
    const Vecteur& Normale() const { return normale; }
    float ProjA() const { return projA; }
    float ProjB() const { return projB; }
    float DistanceOrigine() const { return distanceOrigine; }
    bool EstDegenere() const { return a == b; }

    bool EstHorizontal() const;
    bool EstVertical() const;
    void Deplacer(const sf::Vector2f& v);

    sf::Vector2f Intersection(const Segment& autre) const;
    sf::Vector2f Intersection(const sf::Vector2f& p, const sf::Vector2f& q) const;

    virtual void Dessiner(sf::RenderTarget& cible);

    // Angle de la direction de a vers b, selon la convention du jeu
    static double CalculerAngle(const sf::Vector2f& a, const sf::Vector2f& b);

private:
    void CalculerProjections();

    sf::Vector2f a, b;
    int drapeaux;
    double angle;
    Vecteur direction;
    Vecteur normale;
    float projA, projB;
    float distanceOrigine;

    sf::RectangleShape trait;
    sf::CircleShape pointA, pointB;
};
