#pragma once

#include "engine/SourceTemps.h"
#include "game/GameEngine.h"
#include "game/SceneGraphique.h"
#include "heroes/Bouclier.h"
#include "heroes/Heros.h"
#include "heroes/Tormundo.h"
#include "heroes/Vanto.h"
#include "physics/Segment.h"
#include "scene/CercleScenique.h"
#include "scene/PolygoneScenique.h"
#include "shell/MyQtSFMLWindow.h"

#include <functional>
#include <memory>
#include <vector>

// Banc d'essai : la part héros de l'étape du moteur, dans le même ordre, sur de petits niveaux bâtis.
struct Banc
{
    static constexpr float DT = 1.f / 60.f;
    float dt = DT;

    SceneGraphique scene;
    std::unique_ptr<Heros> heros;
    std::vector<std::unique_ptr<PolygoneScenique>> polygones;
    std::vector<CercleScenique*> cercles;

    explicit Banc(int choix = 0, sf::Vector2f depart = sf::Vector2f(200.f, 400.f))
    {
        SourceTemps::Manuel(true);
        MyQtSFMLWindow::DefinirDureeFrame(DT);
        scene.FixerTaille(100000, 4000);
        scene.FixerLimiteGauche(0);
        scene.FixerLimiteDroite(100000);
        scene.FixerLimiteBas(3000);
        scene.FixerPointDepart(depart);
        scene.FixerEtatScene(SCENE_JEU);
        if (choix == 1)
            heros.reset(new Tormundo(&scene));
        else
            heros.reset(new Vanto(&scene));
        heros->Reinitialiser();
        heros->BloquerCommandes(false);
    }
    ~Banc()
    {
        heros.reset();
        scene.Vider();
        GameEngine::ViderListes();
        SourceTemps::Manuel(false);
    }

    // Un polygone fait d'une chaîne de points (sol si tracé de gauche à droite)
    PolygoneScenique* Chaine(const std::vector<sf::Vector2f>& points, int drapeaux = 0x7d)
    {
        PolygoneScenique* p = new PolygoneScenique(&scene, points.front(), 0.f);
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            p->AjouterSegment(new Segment(points[i], points[i + 1], drapeaux));
        polygones.emplace_back(p);
        return p;
    }
    PolygoneScenique* Sol(float y, float x0 = -1000.f, float x1 = 90000.f) { return Chaine({{x0, y}, {x1, y}}); }
    void Ajouter(PolygoneScenique* p) { polygones.emplace_back(p); }
    // Autre cadence d'images (images par seconde)
    void Cadence(float images)
    {
        dt = 1.f / images;
        MyQtSFMLWindow::DefinirDureeFrame(dt);
    }

    // Une frame : commandes, puis intégration, limites, contacts, validation, puis animation
    void Frame(const std::function<void()>& commandes = nullptr)
    {
        Heros& h = *heros;
        if (commandes && !h.CommandesBloquees())
            commandes();
        if (scene.EtatScene() == SCENE_FIN_ACTE)
        {
            h.BloquerCommandes(true);
            h.Droite();
        }
        else if (scene.EtatScene() == SCENE_PRETE)
        {
            h.BloquerCommandes(false);
            scene.FixerEtatScene(SCENE_JEU);
        }
        for (auto& p : polygones)
            p->Integrer(dt);
        for (CercleScenique* c : cercles)
            c->Integrer(dt);
        h.Integrer(dt);
        h.LimiterAuNiveau();
        ElementMagique* magie = h.BouclierActif();
        if (magie)
            for (CercleScenique* c : cercles)
                magie->Agir(c);
        for (CercleScenique* c : cercles)
            if (EntitePhysique::ToucheCercle(&h, c))
                c->ToucherHeros(&h);
        for (auto& p : polygones)
            if (EntitePhysique::ToucheSegments(&h, p.get()))
                p->ContactHeros(&h);
        if (magie)
        {
            magie->FiltrerCibles();
            magie->ActualiserMagie();
        }
        if (h.collision.autre)
        {
            h.ResoudreCollision();
            if (auto* p = dynamic_cast<PolygoneScenique*>(h.collision.autre))
                p->ContactHeros(&h);
        }
        else if (h.AuDelaDeSonSol())
            h.Decoller();
        for (auto& p : polygones)
            p->ValiderDeplacement();
        for (CercleScenique* c : cercles)
            c->ValiderDeplacement();
        h.ValiderDeplacement();
        h.PlacerAncreBouclier();
        SourceTemps::Avancer(sf::seconds(dt));
        h.Animer();
        for (auto& p : polygones)
            p->Animer();
    }
    void Frames(int n, const std::function<void()>& commandes = nullptr)
    {
        for (int i = 0; i < n; ++i)
            Frame(commandes);
    }
    // Attend que le héros soit posé (fin de l'apparition)
    void Poser()
    {
        for (int i = 0; i < 300 && !heros->sol; ++i)
            Frame([this] { heros->SansDirection(); heros->SautRelache(); });
    }
};
