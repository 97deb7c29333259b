#include "engine/MoteurGraphique.h"

#include "engine/EntiteGraphique.h"

#include <algorithm>

void MoteurGraphique::Ajouter(EntiteGraphique* entite)
{
    frame.push_back(entite);
}

void MoteurGraphique::AjouterPermanent(EntiteGraphique* entite)
{
    permanents.push_back(entite);
}

void MoteurGraphique::Retirer(EntiteGraphique* entite)
{
    frame.erase(std::remove(frame.begin(), frame.end(), entite), frame.end());
}

void MoteurGraphique::RetirerPermanent(EntiteGraphique* entite)
{
    permanents.erase(std::remove(permanents.begin(), permanents.end(), entite), permanents.end());
}

void MoteurGraphique::Vider(bool tout)
{
    frame.clear();
    if (tout)
        permanents.clear();
    else
        frame = permanents;
}

void MoteurGraphique::Afficher(sf::RenderTarget& canvas, bool dessiner)
{
    for (std::size_t i = 0; i < frame.size(); ++i)
        frame[i]->Synchroniser();
    std::sort(frame.begin(), frame.end(),
              [](const EntiteGraphique* a, const EntiteGraphique* b) { return a->profondeur < b->profondeur; });
    for (std::size_t i = 0; i < frame.size(); ++i)
    {
        frame[i]->Animer();
        // Animer peut avoir retiré l'entité : on relit la liste
        if (dessiner && i < frame.size())
            frame[i]->Dessiner(canvas);
    }
}

void MoteurGraphique::AfficherFige(sf::RenderTarget& canvas)
{
    fige = true;
    for (std::size_t i = 0; i < frame.size(); ++i)
        frame[i]->Dessiner(canvas);
    fige = false;
}
