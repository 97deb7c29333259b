#include "objects/VrilleVerticalePartieHaute.h"

VrilleVerticalePartieHaute::VrilleVerticalePartieHaute(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                                       const std::vector<float>& parametres)
    : Vrille(scene, p, profondeur, parametres, GENRE, true, 1)
{
}
