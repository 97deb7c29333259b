#pragma once

#include "scene/ElementMagique.h"

// Bouclier autour du héros : suit l'ancre du héros, anime, attire selon sa marque.
class Bouclier : public ElementMagique
{
public:
    Bouclier(SceneGraphique* scene, sf::Vector2f* ancre, float profondeur, int type, float portee = 64.f);
    ~Bouclier() override;

    void Agir(CercleScenique* cercle) override;
    void ActualiserMagie() override { cibles.clear(); }
    // Le porteur garde un pointeur : effacé quand le bouclier disparaît
    void FixerLien(Bouclier** lien) { this->lien = lien; }

protected:
    Bouclier** lien;
};
