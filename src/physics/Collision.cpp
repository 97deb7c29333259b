#include "physics/Collision.h"

Collision::Collision() : angleSol(0.0), angleReflexion(0.0)
{
    Preparer();
}

Collision::~Collision()
{
}

void Collision::Preparer()
{
    typeTest = 0;
    type = 0;
    autre = nullptr;
    indiceSegment = 0;
    indiceCapteur = -1;
    compteur = 0;
    pointTest = point = sf::Vector2f(0.f, 0.f);
    tTest = t = 0.f;
    decalage = sf::Vector2f(0.f, 0.f);
}
