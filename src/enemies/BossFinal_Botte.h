#pragma once

#include "physics/CercleMecanique.h"

class BossFinal;
class BossFinal_Genou;

// Botte du robot : chaque pas suit une ligne brisée fixe et se termine au sol.
class BossFinal_Botte : public CercleMecanique
{
public:
    BossFinal_Botte(SceneGraphique* scene, BossFinal* corps, BossFinal_Genou* cuisse, float profondeur);
    ~BossFinal_Botte() override;

    void ToucherHeros(Heros* heros) override;

    void Integrer(float dt) override;
    void Entrainer() override;
    void Penser() override;
    void ContactSolide() override;
    void ChangerEtat(int e) override;
    void AnimerEtat() override;

    BossFinal_Genou* Cuisse() const;

    BossFinal* corps;

private:
    void Lancer(double angle, float norme);
};
