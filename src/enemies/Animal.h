#pragma once

#include "heroes/Personnage.h"

// Animal libéré d'un robot : attend son délai figé, saute, puis bondit ou marche jusqu'à sortir de la vue.
class Animal : public Personnage
{
public:
    Animal(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai);
    ~Animal() override;

    void Penser() override;
    void ContactSolide() override;
    virtual void Bondir();

    float Delai() const { return delai; }

protected:
    // Tortue et écureuil : posés après leur premier saut, ils marchent à cette vitesse
    void ContactMarcheur(float vitesse);
    // La marche animée sur la ligne de l'animal
    void AnimerMarche(int ligne);

    float delai;
};
