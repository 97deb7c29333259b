#pragma once

#include "scene/CercleScenique.h"

// Fusil laser fixé au mur : un tir de laser à chaque période, tant qu'il est à l'écran.
// Genre 2000114 tourné vers la gauche, 2000116 vers la droite ; p0 = période en secondes.
class FusilLaser : public CercleScenique
{
public:
    static constexpr int GENRE_GAUCHE = 2000114;
    static constexpr int GENRE_DROITE = 2000116;
    // Période prise quand le niveau n'en donne pas de valable
    static constexpr float PERIODE_DEFAUT = 2.f;

    FusilLaser(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres, int genre);

    void Animer() override;

    float Periode() const { return periode; }
    int Genre() const { return entier; }
    static float LirePeriode(const std::vector<float>& parametres);

private:
    float periode;
};
