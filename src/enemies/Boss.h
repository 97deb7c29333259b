#pragma once

#include "enemies/Ennemi.h"

// Boss : attend que la caméra touche le bord droit, verrouille l'écran, encaisse ses coups
// avec une seconde d'invulnérabilité après chacun, puis lâche la capsule de fin de zone.
class Boss : public Ennemi
{
public:
    static constexpr const char* MUSIQUE = "data/ogg/musics/boss.ogg";
    static constexpr int VIES = 5;
    static constexpr int ETAT_VAINCU = 28;

    Boss(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
         const std::vector<float>& parametres = std::vector<float>());

    void Rebondir() override;
    void Penser() override;
    void ToucherHeros(Heros* heros) override;
    void ContactSolide() override;
    void ChangerEtat(int e) override;
    void Reception() override;
    virtual void Commencer();

    bool Invulnerable() const { return drapeauCercle; }

protected:
    void Confier(ElementScenique* element);
};
