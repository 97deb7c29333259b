#include "enemies/Ennemi.h"

#include "game/IAEngine.h"

Ennemi::Ennemi(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres)
    : Personnage(scene, position, profondeur, parametres)
{
    IAEngine::Inscrire(this);
}

Ennemi::~Ennemi()
{
    IAEngine::Desinscrire(this);
}
