#pragma once

#include "scene/PolygoneScenique.h"

#include <cstddef>
#include <vector>

// Bassin d'eau de p0 × p1 cases de 64 pixels : fixe le niveau de l'eau de la scène,
// porte sa surface et deux lignes de détection (entrée sous la surface, sortie au-dessus).
class BassinEau : public PolygoneScenique
{
public:
    // Borne du nombre de cases par côté (un fichier hostile ne crée pas des milliers de surfaces)
    static constexpr int CASES_MAX = 256;

    BassinEau(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
              const std::vector<float>& parametres);
    ~BassinEau() override;

    void ContactHeros(Heros* heros) override;
    void ContactCercle(CercleScenique* cercle) override;

    int Largeur() const { return largeur; }
    int Hauteur() const { return hauteur; }

    // Nombre de cases du paramètre i : entier de 1 à CASES_MAX, 1 s'il manque ou n'a pas de sens
    static int LireCases(const std::vector<float>& parametres, std::size_t i);
    // Vitesse au-delà de laquelle le héros court sur l'eau (le double de sa pointe sans chaussures)
    static float VitesseSurLEau(const Heros& heros);
    // Le bassin de la scène dont l'eau contient ce point (nul hors de l'eau) : chaque eau
    // décide pour les bulles qui y naissent
    static const BassinEau* Contenant(const SceneGraphique* scene, const sf::Vector2f& point);
    // Vrai si le point est sous la ligne de sortie d'un bassin de la scène, à sa largeur
    static bool SousUneSortie(const SceneGraphique* scene, const sf::Vector2f& point);
    // Ligne où éclatent les petites bulles : la ligne d'entrée, 32 pixels sous la surface
    float LigneBulles() const { return positionElement.y; }

private:
    void Eclabousser(float x);

    int largeur, hauteur;
    static std::vector<BassinEau*> bassins;
};
