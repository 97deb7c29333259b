#pragma once

#include "physics/CercleMecanique.h"

class BossFinal;

// Réacteur dorsal : flamme selon l'état du corps, plus forte pendant le saut.
class BossFinal_Reacteur : public CercleMecanique
{
public:
    BossFinal_Reacteur(SceneGraphique* scene, BossFinal* corps, float profondeur);
    ~BossFinal_Reacteur() override;

    void ToucherHeros(Heros* heros) override;

    void AnimerEtat() override;

    BossFinal* corps;
};
