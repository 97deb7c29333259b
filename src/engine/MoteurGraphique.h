#pragma once

#include "engine/Singleton.h"

#include <vector>

class EntiteGraphique;
namespace sf { class RenderTarget; }

// Liste de ce qui se dessine dans la frame, triée par profondeur.
class MoteurGraphique : public Singleton<MoteurGraphique>
{
    friend class Singleton<MoteurGraphique>;

public:
    void Ajouter(EntiteGraphique* entite);
    void AjouterPermanent(EntiteGraphique* entite);
    void Retirer(EntiteGraphique* entite);
    void RetirerPermanent(EntiteGraphique* entite);
    void Vider(bool tout);
    // dessiner faux : synchronise et anime sans tracer (parcours d'essai à grande vitesse)
    void Afficher(sf::RenderTarget& canvas, bool dessiner = true);
    void AfficherFige(sf::RenderTarget& canvas);
    // Vrai pendant AfficherFige : ce qui clignote garde son dernier état
    bool Fige() const { return fige; }

    const std::vector<EntiteGraphique*>& ListeFrame() const { return frame; }
    const std::vector<EntiteGraphique*>& ListePermanente() const { return permanents; }

private:
    MoteurGraphique() = default;
    std::vector<EntiteGraphique*> frame;
    std::vector<EntiteGraphique*> permanents;
    bool fige = false;
};
