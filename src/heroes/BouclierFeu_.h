#pragma once

#include "heroes/Bouclier.h"

// Moitié arrière du bouclier de feu, dessinée derrière le héros.
class BouclierFeu_ : public Bouclier
{
public:
    BouclierFeu_(SceneGraphique* scene, sf::Vector2f* ancre);
    void AnimerEtat() override;
};
