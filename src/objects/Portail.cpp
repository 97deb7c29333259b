#include "objects/Portail.h"

#include "engine/GestionnaireAudio.h"
#include "game/Camera.h"
#include "game/GameOptions.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/Lueur.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <algorithm>

Portail::Portail(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                 const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres), destination(0), parti(false)
{
    // destination hors des numéros plausibles (ou non finie) : 0, le niveau suivant
    if (!parametres.empty() && parametres[0] >= 1.f && parametres[0] <= 9999.f)
        destination = int(parametres[0]);
    const float x = p.x, y = p.y;
    // le socle
    AjouterSegment(new Segment({x - 44.f, y - 8.f}, {x + 44.f, y - 8.f}, 0x7d));
    AjouterSegment(new Segment({x + 44.f, y - 8.f}, {x + 48.f, y - 4.f}, 0x7d));
    AjouterSegment(new Segment({x + 48.f, y - 4.f}, {x + 48.f, y + 72.f}, 0x7d));
    AjouterSegment(new Segment({x + 48.f, y + 72.f}, {x - 48.f, y + 72.f}, 0x7d));
    AjouterSegment(new Segment({x - 48.f, y + 72.f}, {x - 48.f, y - 4.f}, 0x7d));
    AjouterSegment(new Segment({x - 48.f, y - 4.f}, {x - 44.f, y - 8.f}, 0x7d));
    // le plot de départ
    AjouterSegment(new Segment({x - 8.f, y - 24.f}, {x + 8.f, y - 24.f}, SEG_SOL | SEG_CONTINUITE | SEG_ACTION));
    Sprite* s = new Sprite("data/png/game/zones/_/portail.png", 208, 144, sf::Vector2f(104.f, 72.f));
    s->FixerImage(0, 0);
    AjouterSprite(s);
    Synchroniser();
}

void Portail::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    PolygoneScenique::ContactHeros(heros);
    if (heros->collision.indiceCapteur != -1 || heros->collision.autre != this)
        return;
    const Segment* s = SegmentNumero(heros->collision.indiceSegment);
    if (!s || !(s->Drapeaux() & SEG_ACTION))
        return;
    if (etat == 0)
    {
        ChangerEtat(1);
        GameOptions::Instance()->DefinirNiveauChoisi(destination);
        heros->FixerPosition(sf::Vector2f(-64.f, -64.f));
        heros->BloquerCommandes(true);
        heros->ChangerEtat(HEROS_DEBOUT);
        heros->ChangerEtat(HEROS_REGARDE_HAUT);
    }
    else if (etat == 9)
    {
        // le héros tombe dans le portail : il ne doit plus tenir à un segment détruit
        const bool surMoi = std::find(segments.begin(), segments.end(), heros->sol) != segments.end();
        if (surMoi)
            heros->EntitePhysique::Decoller();
        SupprimerSegments();
        heros->ChangerEtat(HEROS_PORTAIL);
        heros->RetirerBouclier();
    }
}

void Portail::AnimerEtat()
{
    const float t = horloge.getElapsedTime().asSeconds();
    Sprite* s = sprites.empty() ? nullptr : sprites[0];
    switch (etat)
    {
    case 0:
        if (s)
            s->FixerImage(0, 0);
        break;
    case 1:
        if (s)
            s->AnimerLigne(0, 0, 4, 0.2f, false);
        if (t > 1.f)
        {
            ChangerEtat(2);
            if (scene && scene->CameraScene())
                scene->CameraScene()->Secouer(8.f, 4.5f);
            if (scene)
                scene->AjouterElement(new Lueur(scene, sf::Vector2f(position.x, position.y + 40.f)));
        }
        break;
    case 2:
        if (s)
            s->FixerImage(0, 4);
        if (t > 2.f)
        {
            GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/burstrev_go.ogg");
            ChangerEtat(9);
        }
        break;
    case 9:
        if (s)
            s->FixerImage(0, 0);
        // une seule demande de niveau suivant
        if (t > 3.5f && scene && !parti)
        {
            parti = true;
            scene->FixerEtatScene(SCENE_SUIVANTE);
        }
        break;
    default:
        break;
    }
}
