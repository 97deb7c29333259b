#include "enemies/Boss.h"

#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/FeuArtifice.h"
#include "objects/FinZone.h"

namespace
{
const double PI = 3.14159265358979323846;
}

Boss::Boss(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_, const std::vector<float>& parametres)
    : Ennemi(scene_, p, profondeur_, parametres)
{
    vies = VIES;
    drapeauCercle = false;
    masse = 300.f;
    forceGravite.acceleration = 0.f;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
}

void Boss::Rebondir()
{
    Personnage::Rebondir();
}

void Boss::Penser()
{
    if (etat != 0 || !scene || !scene->CameraScene())
        return;
    // la caméra a atteint la limite droite : l'écran se ferme sur les 640 derniers pixels
    const float centre = scene->CameraScene()->Vue().getCenter().x;
    if (centre == float(scene->LimiteDroite() - 320))
    {
        scene->FixerLimiteGauche(scene->LimiteDroite() - 640);
        Commencer();
    }
}

void Boss::Commencer()
{
    if (sf::Music* m = GestionnaireAudio::Instance()->Musique(MUSIQUE, true))
        MoteurAudio::Instance()->JouerMusique(m);
}

void Boss::ToucherHeros(Heros* heros)
{
    if (!heros || etat == ETAT_VAINCU || drapeauCercle)
        return;
    if (EstDangereux(heros) || !heros->EstDangereux(this))
    {
        heros->Blesser(0);
        return;
    }
    if (vies <= 0)
        ChangerEtat(ETAT_VAINCU);
    else
    {
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/pouf.ogg");
        drapeauCercle = true;
        horloge3.restart();
        vies -= 1;
    }
    if (!heros->sol)
        heros->Rebrousser();
}

void Boss::ContactSolide()
{
    if (collision.type == CONTACT_SUITE)
        return;
    if (sol)
    {
        if (collision.angleReflexion >= 5.0 * PI / 4.0)
            Decoller();
        else if (collision.angleReflexion > PI / 2.0)
            Reception();
        return;
    }
    if (collision.angleSol < PI / 2.0 || collision.angleSol > 3.0 * PI / 2.0)
    {
        Reception();
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/brrr.ogg");
        if (scene && scene->CameraScene())
            scene->CameraScene()->Secouer(4.f, 0.5f);
    }
    else
        Rebondir();
}

void Boss::ChangerEtat(int e)
{
    CercleScenique::ChangerEtat(e);
    if (e >= 11 && e <= 13)
        ReinitialiserForces();
    else if (e == ETAT_VAINCU)
    {
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/pouf.ogg");
        if (sf::Music* m = GestionnaireAudio::Instance()->Musique(MUSIQUE, false))
            MoteurAudio::Instance()->ArreterMusique(m);
        Confier(new FeuArtifice(scene, position, rayon, 3, 4));
        const float x = scene ? float(scene->LimiteGauche()) + 320.f : position.x;
        Confier(new FinZone(scene, sf::Vector2f(x, position.y - 480.f)));
    }
}

void Boss::Reception()
{
    Atterrir();
}

void Boss::Confier(ElementScenique* element)
{
    if (scene)
        scene->AjouterElement(element);
    else
        delete element;
}
