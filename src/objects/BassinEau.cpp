#include "objects/BassinEau.h"

#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/Plouf.h"
#include "objects/SurfaceEau.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <algorithm>
#include <cmath>

std::vector<BassinEau*> BassinEau::bassins;

int BassinEau::LireCases(const std::vector<float>& p, std::size_t i)
{
    if (i >= p.size() || !(p[i] >= 1.f))
        return 1;
    return p[i] > float(CASES_MAX) ? CASES_MAX : int(p[i]);
}

BassinEau::BassinEau(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                     const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres), largeur(LireCases(parametres, 0)),
      hauteur(LireCases(parametres, 1))
{
    const float w = float(largeur), h = float(hauteur);
    cadre = sf::FloatRect(p.x - 32.f, p.y - 32.f, 64.f * w, 64.f * h);
    // une position aberrante (fichier abîmé) ne touche pas au niveau de l'eau
    if (scene && std::fabs(p.y) < 1e9f)
        scene->FixerNiveauEau(int(p.y - 32.f));

    // surface, ligne d'entrée (franchie en descendant), ligne de sortie (franchie en montant)
    AjouterSegment(new Segment(sf::Vector2f(p.x - 32.f, p.y - 32.f), sf::Vector2f(p.x + 64.f * w - 32.f, p.y - 32.f),
                               SEG_CONTINUITE));
    AjouterSegment(new Segment(sf::Vector2f(p.x - 64.f, p.y), sf::Vector2f(p.x + 64.f * w, p.y), SEG_SOL | SEG_CAPTEUR));
    AjouterSegment(new Segment(sf::Vector2f(p.x + 64.f * w, p.y - 64.f), sf::Vector2f(p.x - 64.f, p.y - 64.f),
                               SEG_SOL | SEG_CAPTEUR));

    Sprite* s = new Sprite("data/png/game/zones/_/bassin_eau.png", 0, 0, sf::Vector2f(32.f / w, 32.f / h));
    s->FixerEchelle(w, h);
    AjouterSprite(s);

    if (scene)
        for (int i = 0; i < largeur; ++i)
            scene->AjouterElement(new SurfaceEau(scene, sf::Vector2f(p.x + 64.f * float(i), p.y - 32.f)));
    bassins.push_back(this);
}

BassinEau::~BassinEau()
{
    bassins.erase(std::remove(bassins.begin(), bassins.end(), this), bassins.end());
}

const BassinEau* BassinEau::Contenant(const SceneGraphique* scene, const sf::Vector2f& point)
{
    for (const BassinEau* b : bassins)
        if (b->scene == scene && b->cadre.contains(point))
            return b;
    return nullptr;
}

bool BassinEau::SousUneSortie(const SceneGraphique* scene, const sf::Vector2f& point)
{
    for (const BassinEau* b : bassins)
        if (b->scene == scene && point.x >= b->cadre.left - 32.f && point.x <= b->cadre.left + b->cadre.width + 32.f &&
            point.y >= b->cadre.top - 32.f)
            return true;
    return false;
}

void BassinEau::Eclabousser(float x)
{
    if (scene)
        scene->AjouterElement(new Plouf(scene, sf::Vector2f(x, positionElement.y - 32.f)));
}

float BassinEau::VitesseSurLEau(const Heros& h)
{
    const float pointe = h.ParametresMouvement().vitesseMax;
    // chaussures en effet hors de l'eau : la pointe est déjà doublée
    return h.Turbo() && h.echelleTemps != 0.5f ? pointe : 2.f * pointe;
}

void BassinEau::ContactHeros(Heros* h)
{
    if (!h)
        return;
    const Collision& c = h->collision;
    // le héros court le long de la surface
    if (c.indiceCapteur == -1 && c.autre == this && c.type == CONTACT_SUITE)
    {
        if (horloge.getElapsedTime().asSeconds() > 0.05f)
        {
            Eclabousser(h->position.x);
            horloge.restart();
        }
        if (std::fabs(h->Vitesse()) > VitesseSurLEau(*h))
            h->Reception();
        else
            h->Decoller();
        return;
    }
    if (c.indiceCapteur == 1)
    {
        Eclabousser(h->position.x);
        h->FixerEchelleTemps(0.5f);
        h->RelancerAir();
        // seuls le bouclier d'eau et l'invincibilité résistent à l'eau
        if (h->Bouclier() != 2 && h->Bouclier() != 5)
            h->RetirerBouclier();
    }
    else if (c.indiceCapteur == 2)
    {
        Eclabousser(h->position.x);
        h->FixerEchelleTemps(1.f);
        h->RelancerAir();
    }
}

void BassinEau::ContactCercle(CercleScenique* cercle)
{
    if (!cercle)
        return;
    // une bulle qui monte éclate
    if (cercle->masse < 0.f)
    {
        cercle->ContactSolide();
        return;
    }
    if (cercle->collision.indiceCapteur == 1)
    {
        Eclabousser(cercle->position.x);
        cercle->FixerEchelleTemps(0.5f);
    }
    else if (cercle->collision.indiceCapteur == 2)
    {
        Eclabousser(cercle->position.x);
        cercle->FixerEchelleTemps(1.f);
    }
    else
        PolygoneScenique::ContactCercle(cercle);
}
