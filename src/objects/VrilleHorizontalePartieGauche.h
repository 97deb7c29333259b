#pragma once

#include "objects/Vrille.h"

// Première moitié d'une vrille horizontale, montant vers la droite.
class VrilleHorizontalePartieGauche : public Vrille
{
public:
    VrilleHorizontalePartieGauche(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                                  const std::vector<float>& parametres);

    static constexpr int GENRE = 2000218001;
};
