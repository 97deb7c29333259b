#pragma once

#include "heroes/Bouclier.h"

class BouclierFeu_;

// Bouclier de feu : ruée horizontale ; sa moitié arrière le suit.
class BouclierFeu : public Bouclier
{
public:
    BouclierFeu(SceneGraphique* scene, sf::Vector2f* ancre);
    ~BouclierFeu() override;
    void AnimerEtat() override;
    void ChangerEtat(int e) override;

private:
    BouclierFeu_* arriere;
    Bouclier* lienArriere;
};
