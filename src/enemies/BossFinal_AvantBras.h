#pragma once

#include "physics/CercleMecanique.h"

class BossFinal;
class BossFinal_Bras;

// Avant-bras : le poing-fusée part vers l'avant, ralentit, revient à sa place.
class BossFinal_AvantBras : public CercleMecanique
{
public:
    static constexpr int ETAT_POING = 80;

    BossFinal_AvantBras(SceneGraphique* scene, BossFinal* corps, BossFinal_Bras* bras, float profondeur);
    ~BossFinal_AvantBras() override;

    void Entrainer() override;
    void Penser() override;
    void ToucherHeros(Heros* heros) override;
    void ChangerEtat(int e) override;
    void AnimerEtat() override;

    BossFinal_Bras* Bras() const;

    BossFinal* corps;
};
