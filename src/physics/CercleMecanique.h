#pragma once

#include "physics/Mecanique.h"
#include "scene/CercleScenique.h"

// Membre d'un mécanisme : un disque qui suit son ancre quand il est attaché,
// ou bouge seul en prenant l'élan d'un voisin moteur.
class CercleMecanique : public CercleScenique, public Mecanique
{
public:
    // racine de la chaîne
    CercleMecanique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur);
    // membre accroché à son parent, posé à la position de celui-ci
    CercleMecanique(SceneGraphique* scene, CercleMecanique* parent, CercleMecanique* enfant, float profondeur);
    ~CercleMecanique() override;

    void FixerEnfant(CercleMecanique* e) { enfant = e; }

    void Entrainer() override;
    void Integrer(float dt) override;
    void ValiderDeplacement() override;
    void UtiliserDecalage(bool attache) override;
    void SuivreAncre() override;
    void Animer() override;
    void ToucherHeros(Heros* heros) override;
    void ContactSolide() override;

private:
    void Preparer();
};
