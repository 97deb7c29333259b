#pragma once

#include "heroes/Heros.h"

// Héros planeur : vol plané, virages, accroche aux murs et escalade.
class Tormundo : public Heros
{
public:
    explicit Tormundo(SceneGraphique* scene, const sf::Vector2f& position = sf::Vector2f(0.f, -160.f));
    void Droite() override;
    void Gauche() override;
    void SansDirection() override;
    void Bas() override;
    void BasRelache() override;
    void Haut() override;
    void HautRelache() override;
    void SautMaintenu() override;
    void SautRelache() override;
    void ContactSolide() override;
    void Reception() override;
    void Rebondir() override;
    void Rebrousser() override;
    void ChangerEtat(int e) override;
    void AnimerEtat() override;

protected:
    void PreparerCourseForcee() override;
};
