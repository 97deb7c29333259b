#pragma once

#include "scene/PolygoneScenique.h"

// Boîte à objet : cassée par un héros dangereux, elle lui remet son contenu.
class Moniteur : public PolygoneScenique
{
public:
    Moniteur(SceneGraphique* scene, int id, const sf::Vector2f& position, float profondeur,
             const std::vector<float>& parametres = std::vector<float>());

    void ContactHeros(Heros* heros) override;
    void ChangerEtat(int e) override;
    void AnimerEtat() override;
    void ReconstruireSegments() override;
    int Id() const { return id; }
    // Colonne de l'icône selon le contenu (-1 : inconnu)
    static int ColonneIcone(int id);

private:
    int id;
};
