#pragma once

#include "enemies/Boss.h"

// Double robot du héros : ruées, ruées chargées et sauts, demi-tour après chaque course.
class SilverVanto : public Boss
{
public:
    enum
    {
        DEBOUT = 11,
        CHOIX = 12,
        PAUSE = 13,
        RUEE = 14,
        FREINAGE = 16,
        RUEE_CHARGEE = 18,
        SAUT = 19,
        CHARGE = 22,
        DESCENTE = 32
    };

    SilverVanto(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                const std::vector<float>& parametres = std::vector<float>());

    void Penser() override;
    void ToucherHeros(Heros* heros) override;
    void ChangerEtat(int e) override;
    bool EstDangereux(const EntitePhysique* autre) override;
    void Reception() override;
    void Commencer() override;
    void AnimerEtat() override;

    int CompteurAttaques() const { return entierCercle; }

private:
    void Courir();
    bool Derriere(const EntitePhysique* autre) const;
    void Flammes();
};
