#pragma once

#include <cstddef>
#include <vector>

class EntitePhysique;
class PolygonePhysique;
class Segment;

// Tous les corps vivants. Quand un segment, un polygone ou un corps disparaît, les corps qui le
// désignaient (sol, support, force externe, contact retenu) ne le désignent plus : ils retombent
// sur leurs propres forces, quel que soit l'ordre des suppressions.
class RegistreCorps
{
public:
    static void Inscrire(EntitePhysique* corps);
    // Le corps s'en va : personne ne garde ses forces comme support ou force externe
    static void Retirer(EntitePhysique* corps);
    // Le polygone s'en va : ni ses segments, ni ses forces, ni lui-même ne restent désignés
    static void OublierPolygone(const PolygonePhysique* polygone);
    // Ces segments vont être supprimés : les corps posés dessus ne sont plus au sol
    static void OublierSegments(const std::vector<Segment*>& segments);
    // Contour reconstruit : qui était posé sur anciens[i] l'est sur nouveaux[i] (s'il existe)
    static void RemplacerSegments(const std::vector<Segment*>& anciens, const std::vector<Segment*>& nouveaux);
    static std::size_t Nombre();

    // Appelé par le destructeur de chaque segment (sauf pendant un lot déjà oublié)
    static void SegmentDetruit(const Segment* segment);

    // Suppression groupée de segments déjà oubliés : leurs destructeurs ne parcourent pas le registre
    class Lot
    {
    public:
        Lot();
        ~Lot();
        Lot(const Lot&) = delete;
        Lot& operator=(const Lot&) = delete;
    };
};
