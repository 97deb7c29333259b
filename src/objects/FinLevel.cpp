#include "objects/FinLevel.h"

#include "engine/GestionnaireAudio.h"
#include "game/GameOptions.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

FinLevel::FinLevel(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                   const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres)
{
    // la vue s'arrête le panneau au milieu, jamais au-delà du niveau
    if (scene)
    {
        const float limite = p.x + 320.f;
        const bool dedans = std::isfinite(limite) && limite >= 0.f && limite < float(scene->Largeur());
        scene->FixerLimiteDroite(dedans ? int(limite) : scene->Largeur());
    }
    masque = 256;
    AjouterSegment(new Segment(sf::Vector2f(p.x - 320.f, p.y + 100.f), sf::Vector2f(p.x - 320.f, p.y - 240.f),
                               SEG_SOL | SEG_CAPTEUR));
    AjouterSegment(new Segment(sf::Vector2f(p.x + 30.f, p.y + 100.f), sf::Vector2f(p.x + 30.f, p.y - 240.f),
                               SEG_SOL | SEG_CAPTEUR));
    Sprite* s = new Sprite("data/png/game/zones/_/fin_level.png", 100, 100, sf::Vector2f(50.f, 50.f));
    s->FixerImage(0, 0);
    AjouterSprite(s);
    Synchroniser();
}

void FinLevel::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    if (etat != 0)
    {
        PolygoneScenique::ContactHeros(heros);
        return;
    }
    const sf::Vector2f& p = positionElement;
    if (heros->collision.indiceCapteur == 1)
    {
        ChangerEtat(1);
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/fin_level.ogg");
        if (scene)
            scene->FixerEtatScene(SCENE_FIN_ACTE);
        // aucun point de retour ne passe à l'acte suivant
        heros->FixerPosition(sf::Vector2f(-64.f, -64.f));
        SupprimerSegments();
        // sol de sûreté sous le héros qui court
        const float largeur = scene ? float(scene->Largeur()) : p.x + 10000.f;
        AjouterSegment(new Segment(sf::Vector2f(0.f, p.y + 48.f), sf::Vector2f(largeur, p.y + 48.f), 0x7d));
        horloge.restart();
    }
    else if (heros->collision.indiceCapteur == 0 && scene)
        scene->FixerLimiteGauche(int(p.x - 960.f));
}

void FinLevel::AnimerEtat()
{
    if (sprites.empty())
        return;
    const int ligne = GameOptions::Instance()->HerosChoisi();
    if (etat == 1)
    {
        sprites[0]->AnimerLigne(ligne, 0, 3, 0.04f, true);
        if (horloge.getElapsedTime().asSeconds() > 3.f)
            ChangerEtat(9);
    }
    else if (etat == 9)
        sprites[0]->AnimerLigne(ligne, 0, 4, 0.04f, false);
}
