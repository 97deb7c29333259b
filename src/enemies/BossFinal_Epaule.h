#pragma once

#include "physics/CercleMecanique.h"

class BossFinal;

// Épaulière du robot, dessinée devant le bras avant.
class BossFinal_Epaule : public CercleMecanique
{
public:
    BossFinal_Epaule(SceneGraphique* scene, BossFinal* corps, float profondeur);
    ~BossFinal_Epaule() override;

    void ToucherHeros(Heros* heros) override;

    BossFinal* corps;
};
