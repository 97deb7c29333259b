#pragma once

#include "scene/ElementScenique.h"
#include "scene/EntiteMagique.h"

// Élément de scène magique : inscrit à la liste magique du moteur de jeu.
class ElementMagique : public EntiteMagique, public ElementScenique
{
public:
    ElementMagique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur);
    ~ElementMagique() override;

    void Agir(CercleScenique*) override {}
    void Enregistrer() override;

    // Retire des cibles les cercles dont la marque diffère de celle de l'effet
    void FiltrerCibles();
};
