#include "physics/RegistreCorps.h"

#include "physics/EntitePhysique.h"
#include "physics/PolygonePhysique.h"

#include <algorithm>

namespace
{
// Jamais détruit : un segment peut encore mourir pendant la fin du programme
std::vector<EntitePhysique*>& Corps()
{
    static std::vector<EntitePhysique*>* corps = new std::vector<EntitePhysique*>();
    return *corps;
}

int lots = 0;
// Corps dont les forces viennent d'être oubliées avec leur polygone
const EntitePhysique* dejaOublie = nullptr;

bool ForceDe(const Force* f, const EntitePhysique* e)
{
    return f == &e->forcePropre || f == &e->forceMoteur || f == &e->forceGravite || f == &e->forceElan ||
           f == &e->vitesse;
}

void OublierForces(const EntitePhysique* parti)
{
    for (EntitePhysique* b : Corps())
    {
        if (b == parti)
            continue;
        if (ForceDe(b->support, parti))
            b->support = &b->forcePropre;
        if (ForceDe(b->forceExterne, parti))
            b->forceExterne = &b->forcePropre;
    }
}

bool Parmi(const Segment* s, const std::vector<Segment*>& liste)
{
    return s && std::find(liste.begin(), liste.end(), s) != liste.end();
}
}

void RegistreCorps::Inscrire(EntitePhysique* corps)
{
    if (corps)
        Corps().push_back(corps);
}

void RegistreCorps::Retirer(EntitePhysique* corps)
{
    std::vector<EntitePhysique*>& liste = Corps();
    const auto it = std::find(liste.begin(), liste.end(), corps);
    if (it == liste.end())
        return;
    *it = liste.back();
    liste.pop_back();
    if (corps != dejaOublie)
        OublierForces(corps);
    dejaOublie = nullptr;
}

void RegistreCorps::OublierPolygone(const PolygonePhysique* polygone)
{
    const std::vector<Segment*>& segments = polygone->Segments();
    for (EntitePhysique* b : Corps())
    {
        if (b->collision.autre == polygone)
            b->collision.autre = nullptr;
        if (Parmi(b->sol, segments))
            b->sol = nullptr;
    }
    OublierForces(polygone);
    dejaOublie = polygone;
}

void RegistreCorps::OublierSegments(const std::vector<Segment*>& segments)
{
    if (segments.empty())
        return;
    for (EntitePhysique* b : Corps())
        if (Parmi(b->sol, segments))
            b->sol = nullptr;
}

void RegistreCorps::RemplacerSegments(const std::vector<Segment*>& anciens, const std::vector<Segment*>& nouveaux)
{
    if (anciens.empty())
        return;
    for (EntitePhysique* b : Corps())
    {
        if (!b->sol)
            continue;
        const auto it = std::find(anciens.begin(), anciens.end(), b->sol);
        if (it == anciens.end())
            continue;
        const std::size_t i = std::size_t(it - anciens.begin());
        b->sol = i < nouveaux.size() ? nouveaux[i] : nullptr;
    }
}

std::size_t RegistreCorps::Nombre()
{
    return Corps().size();
}

void RegistreCorps::SegmentDetruit(const Segment* segment)
{
    if (lots > 0)
        return;
    for (EntitePhysique* b : Corps())
        if (b->sol == segment)
            b->sol = nullptr;
}

RegistreCorps::Lot::Lot()
{
    ++lots;
}

RegistreCorps::Lot::~Lot()
{
    --lots;
}
