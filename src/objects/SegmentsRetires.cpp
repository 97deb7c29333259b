#include "objects/SegmentsRetires.h"

#include "physics/Segment.h"

SegmentsRetires::~SegmentsRetires()
{
    for (Segment* s : gardes)
        delete s;
}

void SegmentsRetires::Garder(std::vector<Segment*>& liste)
{
    gardes.insert(gardes.end(), liste.begin(), liste.end());
    liste.clear();
}

void SegmentsRetires::Garder(std::vector<Segment*>& liste, int i)
{
    if (i < 0 || i >= int(liste.size()))
        return;
    gardes.push_back(liste[i]);
    liste.erase(liste.begin() + i);
}
