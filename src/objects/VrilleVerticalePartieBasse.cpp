#include "objects/VrilleVerticalePartieBasse.h"

VrilleVerticalePartieBasse::VrilleVerticalePartieBasse(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                                       const std::vector<float>& parametres)
    : Vrille(scene, p, profondeur, parametres, GENRE, false, 1)
{
}
