#pragma once

#include <SFML/System/Vector2.hpp>

class PolygonePhysique;

// Genres de contact
enum
{
    CONTACT_AUCUN = 0,
    CONTACT_SOL = 1,
    CONTACT_MONTEE = 2,
    CONTACT_SUITE = 3,
    CONTACT_EXTREMITE = 4,
    CONTACT_COTE = 5
};

// Contact retenu d'un corps pour la frame courante.
class Collision
{
public:
    Collision();
    virtual ~Collision();

    // Remise à zéro de début de frame (angleSol et angleReflexion sont gardés)
    void Preparer();

    int typeTest;
    int type;
    PolygonePhysique* autre;
    int indiceSegment;
    int indiceCapteur;
    double angleSol;
    int compteur;
    sf::Vector2f pointTest, point;
    float tTest, t;
    sf::Vector2f decalage;
    double angleReflexion;
};
