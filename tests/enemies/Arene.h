#pragma once

#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/GameEngine.h"
#include "game/GameOptions.h"
#include "game/IAEngine.h"
#include "game/Quadtree.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/CercleScenique.h"
#include "scene/PolygoneScenique.h"
#include "shell/MyQtSFMLWindow.h"

#include <SFML/Graphics/Rect.hpp>

#include <algorithm>
#include <functional>
#include <vector>

// Arène d'essai : une scène avec son index, le moteur de jeu et son héros, le moteur d'IA,
// et la frame du jeu dans l'ordre (IA, étape physique, parcours de l'index, animation).
struct Arene
{
    static constexpr float DT = 1.f / 60.f;

    SceneGraphique scene;
    GameEngine moteur;
    IAEngine ia;
    Heros* heros;
    bool vueFixe = false;
    sf::FloatRect vue;

    explicit Arene(sf::Vector2f depart = sf::Vector2f(200.f, 400.f)) : moteur(&scene)
    {
        SourceTemps::Manuel(true);
        MyQtSFMLWindow::DefinirDureeFrame(DT);
        MoteurGraphique::Instance()->Vider(false);
        scene.FixerTaille(8192, 2048);
        scene.FixerLimiteGauche(0);
        scene.FixerLimiteDroite(8192);
        scene.FixerLimiteBas(1900);
        scene.FixerPointDepart(depart);
        scene.FixerEtatScene(SCENE_PRETE);
        ia.Desactiver();
        GameOptions::Instance()->DefinirHerosChoisi(0);
        heros = moteur.CreerHeros();
        moteur.Activer();
        ia.Activer();
    }
    ~Arene()
    {
        scene.Vider();
        GameEngine::ViderListes();
        ia.Desactiver();
        MoteurGraphique::Instance()->Vider(false);
        SourceTemps::Manuel(false);
    }

    // Un polygone fait d'une chaîne de points, confié à la scène
    PolygoneScenique* Chaine(const std::vector<sf::Vector2f>& points, int drapeaux = 0x7d)
    {
        PolygoneScenique* p = new PolygoneScenique(&scene, points.front(), 0.f);
        float x0 = points.front().x, x1 = x0, y0 = points.front().y, y1 = y0;
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            p->AjouterSegment(new Segment(points[i], points[i + 1], drapeaux));
        for (const sf::Vector2f& q : points)
        {
            x0 = std::min(x0, q.x), x1 = std::max(x1, q.x);
            y0 = std::min(y0, q.y), y1 = std::max(y1, q.y);
        }
        p->FixerCadre(sf::FloatRect(x0, y0, std::max(1.f, x1 - x0), std::max(1.f, y1 - y0)));
        scene.AjouterElement(p);
        return p;
    }
    PolygoneScenique* Sol(float y, float x0 = 0.f, float x1 = 8000.f) { return Chaine({{x0, y}, {x1, y}}); }

    template <typename T> T* Ajouter(T* e)
    {
        scene.AjouterElement(e);
        return e;
    }

    // Tous les éléments rangés d'une classe donnée
    template <typename T> std::vector<T*> Tous()
    {
        std::vector<T*> r;
        if (scene.Index())
            Collecter(&scene.Index()->Racine(), r);
        return r;
    }
    template <typename T> void Collecter(QuadtreeNode* n, std::vector<T*>& r)
    {
        for (ElementScenique* e : n->Elements())
            if (T* t = dynamic_cast<T*>(e))
                if (!e->aSupprimer)
                    r.push_back(t);
        for (int i = 0; i < 4; ++i)
            if (n->Enfant(i))
                Collecter(n->Enfant(i), r);
    }
    // L'élément est-il encore dans l'index ?
    bool Range(const ElementScenique* e) const { return scene.Index() && scene.Index()->Racine().Trouver(e); }

    // Une frame du jeu
    void Frame(const std::function<void()>& commandes = nullptr)
    {
        MoteurGraphique::Instance()->Vider(false);
        if (commandes && !heros->CommandesBloquees())
            commandes();
        ia.Penser();
        moteur.Etape();
        if (!vueFixe)
            vue = sf::FloatRect(heros->position.x - 320.f, heros->position.y - 240.f, 640.f, 480.f);
        if (scene.Index())
            scene.Index()->Parcourir(vue);
        SourceTemps::Avancer(sf::seconds(DT));
        // comme le moteur graphique : la liste peut grandir pendant l'animation
        const std::vector<EntiteGraphique*>& liste = MoteurGraphique::Instance()->ListeFrame();
        for (std::size_t i = 0; i < liste.size(); ++i)
            liste[i]->Synchroniser();
        for (std::size_t i = 0; i < liste.size(); ++i)
            liste[i]->Animer();
    }
    void Frames(int n, const std::function<void()>& commandes = nullptr)
    {
        for (int i = 0; i < n; ++i)
            Frame(commandes);
    }
    void Secondes(float s, const std::function<void()>& commandes = nullptr) { Frames(int(s / DT + 0.5f), commandes); }
    // Attend que le héros soit posé
    void Poser()
    {
        for (int i = 0; i < 300 && !heros->sol; ++i)
            Frame([this] { heros->SansDirection(); heros->SautRelache(); });
    }
};
