#pragma once

#include "physics/EntitePhysique.h"

#include <vector>

class Segment;

// Corps fait d'un point et d'une liste de segments possédés.
class PolygonePhysique : public EntitePhysique
{
public:
    explicit PolygonePhysique(const sf::Vector2f& point = sf::Vector2f(0.f, 0.f));
    ~PolygonePhysique() override;

    void ValiderDeplacement() override;
    void ResoudreCollision() override;
    virtual void ReconstruireSegments();

    void AjouterSegment(Segment* segment);
    void SupprimerSegments();
    const std::vector<Segment*>& Segments() const { return segments; }
    Segment* SegmentNumero(int i) const;

    bool poussable;
    // déplacement déjà fait pendant la frame en cours, avant la détection (plates-formes menées)
    sf::Vector2f deplacementFait;

protected:
    std::vector<Segment*> segments;
};
