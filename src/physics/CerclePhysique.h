#pragma once

#include "physics/EntitePhysique.h"

// Corps en disque : héros, ennemis, anneaux, projectiles, débris.
class CerclePhysique : public EntitePhysique
{
public:
    explicit CerclePhysique(const sf::Vector2f& point = sf::Vector2f(0.f, 0.f));
    ~CerclePhysique() override;

    void ResoudreCollision() override;

    virtual void Rebondir();
    virtual void Rebrousser();
    virtual void RepousserDepuis(const EntitePhysique* autre);
    virtual void Amortir();

    // Test du cercle contre un segment ; remplit typeTest, tTest et pointTest
    bool TesterSegment(const Segment& segment);
};
