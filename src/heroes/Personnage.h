#pragma once

#include "engine/Horloge.h"
#include "scene/CercleScenique.h"

// Base des personnages : vies, réserve d'air, chocs contre plafonds et murs, atterrissage, inclinaison.
class Personnage : public CercleScenique
{
public:
    Personnage(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres = std::vector<float>());
    ~Personnage() override;

    void Rebondir() override;
    void ContactSolide() override;
    void ChangerEtat(int e) override;
    bool EstDangereux(const EntitePhysique* autre) override;
    void ActualiserSpecifique() override;
    void Penser() override = 0;
    virtual void Reception();

    bool AirRestant() const;
    void RelancerAir();
    void Incliner();

    int vies;
    float dureeAir;
    Horloge horlogeAir;
};
