#include "physics/PolygonePhysique.h"

#include "physics/RegistreCorps.h"
#include "physics/Segment.h"

PolygonePhysique::PolygonePhysique(const sf::Vector2f& point)
    : EntitePhysique(point), poussable(false), deplacementFait(0.f, 0.f)
{
    couche = 2;
    masque = 0x103;
}

PolygonePhysique::~PolygonePhysique()
{
    // ni ses segments, ni ses forces, ni lui-même ne restent désignés par un corps
    RegistreCorps::OublierPolygone(this);
    RegistreCorps::Lot lot;
    for (Segment* s : segments)
        delete s;
    segments.clear();
}

void PolygonePhysique::ValiderDeplacement()
{
    EntitePhysique::ValiderDeplacement();
    const sf::Vector2f v = sf::Vector2f(vitesse.x, vitesse.y) * dtCourant;
    for (Segment* s : segments)
        s->Deplacer(v);
}

void PolygonePhysique::ResoudreCollision()
{
    positionSuivante = collision.point - collision.decalage;
    position = positionSuivante;
    vitesse.x = 0.f;
    vitesse.y = 0.f;
    // le contour reconstruit à la nouvelle place porte ceux qui étaient posés sur l'ancien
    std::vector<Segment*> anciens;
    anciens.swap(segments);
    ReconstruireSegments();
    RegistreCorps::RemplacerSegments(anciens, segments);
    RegistreCorps::Lot lot;
    for (Segment* s : anciens)
        delete s;
}

void PolygonePhysique::ReconstruireSegments()
{
}

void PolygonePhysique::AjouterSegment(Segment* segment)
{
    if (segment)
        segments.push_back(segment);
}

void PolygonePhysique::SupprimerSegments()
{
    RegistreCorps::OublierSegments(segments);
    RegistreCorps::Lot lot;
    for (Segment* s : segments)
        delete s;
    segments.clear();
}

Segment* PolygonePhysique::SegmentNumero(int i) const
{
    if (i < 0 || i >= int(segments.size()))
        return nullptr;
    return segments[i];
}
