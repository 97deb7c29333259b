#include "objects/VrilleHorizontalePartieDroite.h"

VrilleHorizontalePartieDroite::VrilleHorizontalePartieDroite(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                                             const std::vector<float>& parametres)
    : Vrille(scene, p, profondeur, parametres, GENRE, false, 0)
{
}
