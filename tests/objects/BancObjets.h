#pragma once

#include "heroes/Banc.h"
#include "scene/Sprite.h"

#include <cmath>

// Une frame du banc, précédée de la mise en place des sprites sur l'ancre,
// comme le fait la passe graphique avant Animer.
inline void Etape(Banc& b, const std::function<void()>& commandes = nullptr)
{
    for (auto& p : b.polygones)
        p->Synchroniser();
    b.Frame(commandes);
}

inline void Etapes(Banc& b, int n, const std::function<void()>& commandes = nullptr)
{
    for (int i = 0; i < n; ++i)
        Etape(b, commandes);
}

// Laisse tomber le héros jusqu'à ce qu'il soit posé (sans commande)
inline bool Poser(Banc& b, int maxFrames = 300)
{
    for (int i = 0; i < maxFrames && !b.heros->sol; ++i)
        Etape(b, [&b] { b.heros->SansDirection(); b.heros->SautRelache(); });
    return b.heros->sol != nullptr;
}

// Le héros est-il posé sur un segment de ce polygone ?
inline bool PoseSur(const Heros& h, const PolygonePhysique& p)
{
    for (Segment* s : p.Segments())
        if (h.sol == s)
            return true;
    return false;
}
