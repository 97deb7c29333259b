#include "objects/VrilleHorizontalePartieGauche.h"

VrilleHorizontalePartieGauche::VrilleHorizontalePartieGauche(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                                             const std::vector<float>& parametres)
    : Vrille(scene, p, profondeur, parametres, GENRE, true, 0)
{
}
