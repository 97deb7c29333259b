#include "physics/Segment.h"

#include "physics/RegistreCorps.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

double Segment::CalculerAngle(const sf::Vector2f& a, const sf::Vector2f& b)
{
    if (a.y == b.y)
        return a.x < b.x ? 0.0 : PI;
    if (a.x == b.x)
        return a.y > b.y ? PI / 2.0 : 3.0 * PI / 2.0;
    const double e = std::fabs(std::atan((double(b.y) - a.y) / (double(b.x) - a.x)));
    if (a.y < b.y)
        return a.x < b.x ? 2.0 * PI - e : PI + e;
    return a.x < b.x ? e : PI - e;
}

Segment::Segment(const sf::Vector2f& a_, const sf::Vector2f& b_, int drapeaux_)
    : a(a_), b(b_), drapeaux(drapeaux_), angle(CalculerAngle(a_, b_)),
      direction(b_ - a_), normale(a_.y - b_.y, b_.x - a_.x)
{
    if (EstDegenere())
    {
        // Extrémités confondues : direction et normale tirées de l'angle (π), jamais nulles
        direction = Vecteur(float(std::cos(angle)), float(-std::sin(angle)));
        normale = Vecteur(float(std::sin(angle)), float(std::cos(angle)));
    }
    CalculerProjections();

    const sf::Vector2f ab = b - a;
    trait.setSize(sf::Vector2f(std::sqrt(ab.x * ab.x + ab.y * ab.y), 1.f));
    trait.setPosition(a);
    trait.setRotation(float(-angle * 180.0 / PI));
    trait.setFillColor(sf::Color(255, 0, 0, 255));
    trait.setOutlineColor(sf::Color(255, 0, 0, 255));
    sf::CircleShape* points[2] = {&pointA, &pointB};
    for (sf::CircleShape* p : points)
    {
        p->setRadius(2.f);
        p->setPointCount(30);
        p->setOrigin(1.f, 1.f);
        p->setFillColor(sf::Color(255, 0, 0, 255));
        p->setOutlineColor(sf::Color(255, 128, 0, 255));
    }
    pointA.setPosition(a);
    pointB.setPosition(b);
}

Segment::~Segment()
{
    // plus personne n'y est posé
    RegistreCorps::SegmentDetruit(this);
}

void Segment::CalculerProjections()
{
    projA = direction.Scalaire(a);
    projB = direction.Scalaire(b);
    distanceOrigine = normale.Scalaire(a);
}

bool Segment::EstHorizontal() const
{
    return angle == 0.0 || angle == PI;
}

bool Segment::EstVertical() const
{
    return angle == PI / 2.0 || angle == 3.0 * PI / 2.0;
}

void Segment::Deplacer(const sf::Vector2f& v)
{
    a += v;
    b += v;
    CalculerProjections();
    trait.move(v);
    pointA.move(v);
    pointB.move(v);
}

sf::Vector2f Segment::Intersection(const Segment& autre) const
{
    return Intersection(autre.a, autre.b);
}

sf::Vector2f Segment::Intersection(const sf::Vector2f& p, const sf::Vector2f& q) const
{
    const double d1x = double(b.x) - a.x, d1y = double(b.y) - a.y;
    const double d2x = double(q.x) - p.x, d2y = double(q.y) - p.y;
    const double den = d2y * d1x - d2x * d1y;
    if (den == 0.0)
        return sf::Vector2f(0.f, 0.f);
    const double s = (double(p.x) * d2y - double(a.x) * d2y + double(a.y) * d2x - d2x * double(p.y)) / den;
    return sf::Vector2f(float(a.x + s * d1x), float(a.y + s * d1y));
}

void Segment::Dessiner(sf::RenderTarget& cible)
{
    cible.draw(trait);
}
