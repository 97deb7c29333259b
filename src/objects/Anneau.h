#pragma once

#include "scene/CercleScenique.h"

class Force;

// Anneau suspendu (niveau) ou éparpillé (héros touché).
class Anneau : public CercleScenique
{
public:
    Anneau(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres = std::vector<float>());
    Anneau(SceneGraphique* scene, const sf::Vector2f& position, const Force& lancer);
    ~Anneau() override;

    void ToucherHeros(Heros* heros) override;
    void AnimerEtat() override;

    // Vrai tant que cet anneau existe (l'aimant le vérifie avant d'y toucher)
    static bool Existe(const void* p);
    static std::size_t Nombre();

private:
    void Preparer();
};
