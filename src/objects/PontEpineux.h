#pragma once

#include "scene/PolygoneScenique.h"

class Sprite;

// Pont épineux : un tablier de 1 à 4 travées de 256 dont les pics sortent colonne après colonne.
class PontEpineux : public PolygoneScenique
{
public:
    PontEpineux(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                const std::vector<float>& parametres, int id);

    void ContactHeros(Heros* heros) override;
    void AnimerEtat() override;
    void Dessiner(sf::RenderTarget& canvas) override;

    int Travees() const { return travees; }
    // Colonne de 64 (modulo 4), comptée depuis le bord gauche, qui contient x
    int Colonne(float x) const;

    // Cycle des pics commun au pont et au poteau : avance l'animation et rend la phase 0..3
    static int AnimerPics(Sprite* s);

private:
    int travees;
};
