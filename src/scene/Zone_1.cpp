#include "scene/Zone_1.h"

#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"
#include "screens/Ecran.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>

namespace
{
const std::string DOSSIER = "data/png/game/zones/1/background/";
}

Zone_1::Zone_1(SceneGraphique* scene_) : Zone(scene_)
{
    horlogeNuages.restart();
    horlogeEau.restart();
    // sur les écrans de menu, le décor reste muet
    if (Ecran::EcranDemande() == 5)
        LancerMusique();
    facteur = 1.1f;
    largeurPlan = 1792;
    const float ry = float((scene ? scene->NiveauEau() : 480) - 16);
    reference = sf::Vector2f(320.f, ry);

    // 0 à 8 : bandes de mer, de la plus proche à l'horizon
    const int hauts[9] = {93, 80, 68, 57, 46, 36, 26, 17, 8};
    for (int i = 0; i < 9; ++i)
    {
        Sprite* s = AjouterPlan(new Sprite(DOSSIER + "eau.png", 256, i == 0 ? 16 : 14, sf::Vector2f()), i + 1);
        s->FixerCadre(hauts[i], 0);
        s->FixerEchelle(2.f, 2.f);
        s->FixerPosition(sf::Vector2f(0.f, ry));
    }
    // 9 : la terre lointaine ; 10 : la mer à son pied
    Sprite* terre = AjouterPlan(new Sprite(DOSSIER + "plan_1.png", 1792, 48, sf::Vector2f()), 10);
    terre->FixerCadre(0, 0);
    terre->FixerEchelle(2.f, 2.f);
    terre->FixerPosition(sf::Vector2f(0.f, ry - 86.f));
    Sprite* mer = AjouterPlan(new Sprite(DOSSIER + "eau.png", 256, 14, sf::Vector2f()), 10);
    mer->FixerCadre(0, 0);
    mer->FixerEchelle(2.f, 2.f);
    mer->FixerPosition(sf::Vector2f(0.f, ry));
    // 11 : les montagnes
    Sprite* monts = AjouterPlan(new Sprite(DOSSIER + "plan_2.png", 1792, 128, sf::Vector2f()), 17);
    monts->FixerCadre(0, 0);
    monts->FixerEchelle(2.f, 4.f);
    monts->FixerPosition(sf::Vector2f(0.f, ry - 272.f));
    // 12 à 15 : quatre couches de nuages
    const float echelles[4] = {std::pow(1.1f, 5.f), std::pow(1.1f, 2.f), 1.f / 1.1f, std::pow(1.1f, -4.f)};
    const int vuesNuages[4] = {14, 17, 20, 23};
    for (int i = 0; i < 4; ++i)
    {
        Sprite* n = AjouterPlan(new Sprite(DOSSIER + "nuages.png", 0, 0, sf::Vector2f()), vuesNuages[i]);
        n->FixerEchelle(echelles[i], echelles[i]);
        n->FixerPosition(sf::Vector2f(0.f, ry - 896.f / std::pow(1.1f, float(vuesNuages[i]))));
    }

    if (scene)
        rectangleEau.setSize(sf::Vector2f(float(scene->Largeur()), float(scene->Hauteur())));
    rectangleEau.setPosition(0.f, ry + 28.f);
    rectangleEau.setFillColor(sf::Color(0, 128, 255));
}

void Zone_1::LancerMusique()
{
    MoteurAudio::Instance()->JouerMusique(GestionnaireAudio::Instance()->Musique("data/ogg/musics/zone_1.ogg", true));
}

void Zone_1::Animer()
{
    ActualiserVues();
    if (horlogeEau.getElapsedTime().asSeconds() > 0.02f)
    {
        // la mer scintille et glisse, plus vite près du rivage
        for (int i = 0; i <= 10 && i < int(sprites.size()); ++i)
        {
            if (i == 9)
                continue;
            sprites[i]->AnimerLigne(-1, 0, 3, 0.1f, true);
            sprites[i]->Deplacer(-0.05f * std::pow(1.1f, float(45 - 4 * i)), 0.f);
        }
        horlogeEau.restart();
    }
    if (sprites.size() > 9)
        sprites[9]->AnimerColonne(0, 0, 3, 0.1f, true);
    if (horlogeNuages.getElapsedTime().asSeconds() > 0.05f)
    {
        for (int i = 12; i < int(sprites.size()); ++i)
            sprites[i]->Deplacer(-2.f * std::pow(1.1f, float(45 - 4 * i)), 0.f);
        horlogeNuages.restart();
    }
    // chaque plan revient sous le centre de sa vue
    for (Sprite* s : sprites)
    {
        const int k = IndiceVue(s);
        if (k < 0)
            continue;
        const float c = vues[k].getCenter().x;
        const sf::FloatRect b = s->SpriteSFML().getGlobalBounds();
        if (b.width <= 0.f)
            continue;
        // autant de largeurs qu'il faut, même après un saut de la caméra
        if (c > b.left + b.width)
            s->Deplacer(b.width * std::ceil((c - b.left - b.width) / b.width), 0.f);
        else if (b.left > c)
            s->Deplacer(-b.width * std::ceil((b.left - c) / b.width), 0.f);
    }
}

void Zone_1::Dessiner(sf::RenderTarget& cible)
{
    cible.clear(sf::Color(0, 96, 255, 255));
    DessinerPlans(cible, true);
}

void Zone_1::ApresPlan(sf::RenderTarget& cible, const Sprite* s)
{
    // la mer pleine sous la terre lointaine, dans la même vue
    if (sprites.size() > 9 && s == sprites[9])
        cible.draw(rectangleEau, sf::RenderStates(sf::BlendNone)); // opaque : sans mélange, moins cher
}
