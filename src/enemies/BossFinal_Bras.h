#pragma once

#include "physics/CercleMecanique.h"

class BossFinal;
class BossFinal_AvantBras;

// Bras du robot : balance pendant la marche, porte l'avant-bras qui part en poing-fusée.
class BossFinal_Bras : public CercleMecanique
{
public:
    BossFinal_Bras(SceneGraphique* scene, BossFinal* corps, float profondeur, float profondeurAvantBras);
    ~BossFinal_Bras() override;

    void ToucherHeros(Heros* heros) override;

    void Entrainer() override;
    void ChangerEtat(int e) override;
    void AnimerEtat() override;

    BossFinal_AvantBras* AvantBras() const;

    BossFinal* corps;
};
