#pragma once

#include "scene/CercleScenique.h"

class Gorvalux;

// Boule à piquants qui tourne autour d'un Gorvalux ; blesse le héros qui la touche.
class Oursin : public CercleScenique
{
public:
    Oursin(SceneGraphique* scene, const sf::Vector2f& position, double decalagePhase, Gorvalux* porteur = nullptr);
    ~Oursin() override;

    void ToucherHeros(Heros* heros) override;
    void Animer() override {}

    double DecalagePhase() const { return decalagePhase; }
    bool Lance() const { return forceMoteur.norme != 0.f; }
    // Le porteur disparaît : la boule ne le prévient plus
    void OublierPorteur() { porteur = nullptr; }

private:
    double decalagePhase;
    Gorvalux* porteur;
};
