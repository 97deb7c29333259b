#pragma once

#include "physics/CercleMecanique.h"

class BossFinal;

// Tête du robot : le couvercle bascule pour montrer le pilote, puis se referme.
class BossFinal_Tete : public CercleMecanique
{
public:
    BossFinal_Tete(SceneGraphique* scene, BossFinal* corps, float profondeur);
    ~BossFinal_Tete() override;

    void ToucherHeros(Heros* heros) override;

    void AnimerEtat() override;

    BossFinal* corps;
};
