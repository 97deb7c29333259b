#pragma once

#include "scene/PolygoneScenique.h"

// Moitié de vrille : piste que seul un héros déjà au sol suit, en le montrant tournant sur lui-même.
// La première moitié donne les poses 0 à 5, la seconde 6 à 11.
class Vrille : public PolygoneScenique
{
public:
    Vrille(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres, int genre, bool premiere, int sens);

    void ContactHeros(Heros* heros) override;

    bool Premiere() const { return premiere; }
    int Sens() const { return sens; }

    // Pose de la moitié sur le segment i (-1 : course normale)
    static int Pose(bool premiere, int i, int n);

private:
    bool premiere;
    int sens; // 0 horizontale, 1 verticale (pose tournée d'un quart de tour)
};
