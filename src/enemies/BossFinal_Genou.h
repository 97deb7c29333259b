#pragma once

#include "physics/CercleMecanique.h"

class BossFinal;
class BossFinal_Botte;

// Cuisse du robot : suit sa botte quand elle marche, le corps quand il mène.
class BossFinal_Genou : public CercleMecanique
{
public:
    BossFinal_Genou(SceneGraphique* scene, BossFinal* corps, float profondeur, float profondeurBotte);
    ~BossFinal_Genou() override;

    void ToucherHeros(Heros* heros) override;

    void Entrainer() override;
    void ChangerEtat(int e) override;
    void AnimerEtat() override;

    BossFinal_Botte* Botte() const;

    BossFinal* corps;
};
