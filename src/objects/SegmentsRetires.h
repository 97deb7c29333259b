#pragma once

#include <vector>

class Segment;

// Segments retirés d'un contour, gardés en vie jusqu'à la destruction de l'objet :
// un corps posé dessus peut encore les désigner comme sol pendant une frame.
class SegmentsRetires
{
public:
    SegmentsRetires() = default;
    ~SegmentsRetires();
    SegmentsRetires(const SegmentsRetires&) = delete;
    SegmentsRetires& operator=(const SegmentsRetires&) = delete;

    // Prend tous les segments de la liste, qui se retrouve vide
    void Garder(std::vector<Segment*>& liste);
    // Prend le segment d'indice i de la liste (rien si l'indice est hors de la liste)
    void Garder(std::vector<Segment*>& liste, int i);
    std::size_t Nombre() const { return gardes.size(); }

private:
    std::vector<Segment*> gardes;
};
