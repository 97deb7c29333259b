#pragma once

#include "enemies/Ennemi.h"

class Animal;

// Robot : détruit par un héros qui attaque (100 points, rebond du saut), blesse les autres.
// Détruit, il laisse une explosion et libère son animal.
class Drovik : public Ennemi
{
public:
    static constexpr int POINTS = 100;

    Drovik(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres = std::vector<float>());
    ~Drovik() override;

    void Penser() override {}
    void ToucherHeros(Heros* heros) override;
    void ContactSolide() override;
    bool Blesser(int genre) override;

    void FaireDemiTour();

protected:
    // Animal libéré à la destruction (aucun par défaut)
    virtual Animal* CreerAnimal() { return nullptr; }
    // Ce que laisse le robot détruit : son animal puis l'explosion
    virtual void Liberer();
    void Confier(ElementScenique* element);
    // Un tir de genre t depuis la position du robot décalée de d
    void Tirer(const sf::Vector2f& d, double angle, int type);
};
