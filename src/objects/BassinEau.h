#pragma once

#include "scene/PolygoneScenique.h"

// Bassin d'eau de p0 × p1 cases de 64 pixels : fixe le niveau de l'eau de la scène,
// porte sa surface et deux lignes de détection (entrée sous la surface, sortie au-dessus).
class BassinEau : public PolygoneScenique
{
public:
    // Borne du nombre de cases par côté (un fichier hostile ne crée pas des milliers de surfaces)
    static constexpr int CASES_MAX = 256;

    BassinEau(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
              const std::vector<float>& parametres);

    int Largeur() const { return largeur; }
    int Hauteur() const { return hauteur; }

private:
    int largeur, hauteur;
};
