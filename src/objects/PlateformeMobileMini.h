#pragma once

#include "engine/Horloge.h"
#include "objects/Balancier.h"
#include "scene/PolygoneScenique.h"

// Petite plate-forme : glisse d'un côté à l'autre (horizontale ou verticale),
// ou tombe une demi-seconde après qu'on s'y est posé.
class PlateformeMobileMini : public PolygoneScenique
{
public:
    PlateformeMobileMini(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                         const std::vector<float>& parametres);

    void Integrer(float dt) override;
    void ContactHeros(Heros* heros) override;
    void Animer() override;

    bool Horizontale() const { return horizontal; }
    bool Verticale() const { return vertical; }
    bool Tombante() const { return tombante; }
    const sf::Vector2f& Centre() const { return centre; }
    const Balancier& Balancement() const { return balancier; }
    float PasInclinaison() const { return pasInclinaison; }

private:
    sf::Vector2f centre;
    Balancier balancier;
    bool horizontal, vertical, tombante;
    float pasInclinaison;
    Horloge horlogeChute;
};
