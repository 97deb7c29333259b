// Outil des niveaux :
//   niveaux compile <source.niv> <sortie.map>
//   niveaux dump <carte.map>
//   niveaux verifie <dossier des cartes> [n ...]
//   niveaux image <dossier des cartes> <n> <préfixe des PNG>
#include "SourceNiveau.h"

#include "game/LecteurNiveau.h"

#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/Camera.h"
#include "game/GameEngine.h"
#include "game/IAEngine.h"
#include "game/LevelManager.h"
#include "game/Quadtree.h"
#include "game/SceneGraphique.h"
#include "scene/ElementScenique.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <iostream>

namespace
{
int Compiler(const QString& source, const QString& sortie)
{
    QFile f(source);
    if (!f.open(QIODevice::ReadOnly))
    {
        std::cerr << "Impossible de lire " << source.toStdString() << std::endl;
        return 1;
    }
    NiveauSource n;
    QString erreur;
    if (!SourceNiveau::Lire(QString::fromUtf8(f.readAll()), n, erreur))
    {
        std::cerr << source.toStdString() << " : " << erreur.toStdString() << std::endl;
        return 1;
    }
    QSaveFile s(sortie);
    if (!s.open(QIODevice::WriteOnly) || !SourceNiveau::Ecrire(n, &s) || !s.commit())
    {
        std::cerr << "Impossible d'écrire " << sortie.toStdString() << std::endl;
        return 1;
    }
    std::cout << sortie.toStdString() << " : " << n.elements.size() << " éléments" << std::endl;
    return 0;
}

int Decrire(const QString& carte)
{
    QFile f(carte);
    if (!f.open(QIODevice::ReadOnly))
    {
        std::cerr << "Impossible de lire " << carte.toStdString() << std::endl;
        return 1;
    }
    bool ok = true;
    std::cout << SourceNiveau::Decrire(&f, carte, &ok).toStdString();
    return ok ? 0 : 1;
}

int Verifier(const QString& dossier, QStringList numeros)
{
    LecteurNiveau::FixerAvertisseur(LecteurNiveau::AvertirSurErreurStandard);
    if (numeros.isEmpty())
        for (const QString& f : QDir(dossier).entryList(QStringList() << "*.map", QDir::Files, QDir::Name))
            numeros << QFileInfo(f).completeBaseName();
    int echecs = 0;
    for (const QString& texte : numeros)
    {
        bool ok = false;
        const int n = texte.toInt(&ok);
        if (!ok)
            continue;
        const SourceNiveau::Bilan b = SourceNiveau::Verifier(dossier, n);
        std::cout << SourceNiveau::DecrireBilan(b).toStdString() << std::endl;
        if (!b.bon)
            ++echecs;
    }
    return echecs == 0 ? 0 : 1;
}

void Tous(QuadtreeNode* n, std::vector<ElementScenique*>& tous)
{
    if (!n)
        return;
    tous.insert(tous.end(), n->Elements().begin(), n->Elements().end());
    for (int i = 0; i < 4; ++i)
        Tous(n->Enfant(i), tous);
}

bool Enregistrer(sf::RenderTexture& rt, const std::string& chemin)
{
    rt.display();
    const bool ok = rt.getTexture().copyToImage().saveToFile(chemin);
    std::cout << chemin << (ok ? "" : " : ÉCHEC") << std::endl;
    return ok;
}

// Images d'un niveau : le chargement comme en jeu (carton, niveau construit derrière,
// départ du carton), puis une vue d'ensemble réduite de tout le niveau
int Images(const QString& dossier, int n, const QString& prefixe)
{
    LecteurNiveau::FixerAvertisseur(LecteurNiveau::AvertirSurErreurStandard);
    LevelManager::FixerDossier(QDir(dossier).absolutePath() + "/");
    SourceTemps::Manuel(true);
    sf::RenderTexture rt;
    if (!rt.create(640, 480))
        return 1;
    const std::string p = prefixe.toStdString();
    {
        SceneGraphique scene;
        Camera camera(&rt);
        camera.Lier(&scene);
        GameEngine moteur(&scene);
        IAEngine ia;
        LevelManager chargeur(&scene, &moteur, &ia, nullptr);
        chargeur.FixerCamera(&camera);
        chargeur.FixerNiveau(n - 1);
        int dernierEtat = -1, photos = 0;
        for (int frame = 0; frame < 1200; ++frame)
        {
            SourceTemps::Avancer(sf::seconds(1.f / 60.f));
            MoteurGraphique::Instance()->Vider(false);
            if (scene.EtatScene() == SCENE_SUIVANTE || scene.EtatScene() == SCENE_RECOMMENCER)
                chargeur.Charger();
            ia.Penser();
            moteur.Etape();
            camera.Actualiser();
            scene.ActiverElementsVisibles();
            rt.clear(sf::Color::Black);
            MoteurGraphique::Instance()->Afficher(rt);
            const int etat = chargeur.Rideau().EtatRideau();
            if (etat != dernierEtat && (etat == 3 || etat == 5 || etat == 13))
                Enregistrer(rt, p + "_carton_" + std::to_string(photos++) + ".png");
            dernierEtat = etat;
            if (scene.EtatScene() == SCENE_JEU)
            {
                Enregistrer(rt, p + "_depart.png");
                break;
            }
        }
        // quelques vues le long du niveau
        for (int i = 1; i <= 3; ++i)
        {
            camera.Centrer(sf::Vector2f(scene.Largeur() * i / 4.f, scene.PointDepart().y));
            camera.Borner();
            MoteurGraphique::Instance()->Vider(false);
            camera.Actualiser();
            scene.ActiverElementsVisibles();
            rt.clear(sf::Color::Black);
            MoteurGraphique::Instance()->Afficher(rt);
            Enregistrer(rt, p + "_vue_" + std::to_string(i) + ".png");
            GameEngine::ViderListes();
        }
        MoteurGraphique::Instance()->Vider(false);
        // vue d'ensemble au quart
        sf::RenderTexture ensemble;
        if (ensemble.create(unsigned(scene.Largeur() / 4), unsigned(scene.Hauteur() / 4)))
        {
            ensemble.setView(sf::View(sf::FloatRect(0.f, 0.f, float(scene.Largeur()), float(scene.Hauteur()))));
            ensemble.clear(sf::Color(40, 40, 60));
            std::vector<ElementScenique*> tous;
            if (scene.Index())
                Tous(&scene.Index()->Racine(), tous);
            std::sort(tous.begin(), tous.end(),
                      [](ElementScenique* a, ElementScenique* b) { return a->profondeur < b->profondeur; });
            for (ElementScenique* e : tous)
            {
                e->Synchroniser();
                e->Dessiner(ensemble);
            }
            Enregistrer(ensemble, p + "_ensemble.png");
        }
        rt.setView(rt.getDefaultView());
    }
    SourceTemps::Manuel(false);
    return 0;
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 4 && a[1] == "compile")
        return Compiler(a[2], a[3]);
    if (a.size() == 3 && a[1] == "dump")
        return Decrire(a[2]);
    if (a.size() >= 3 && a[1] == "verifie")
        return Verifier(a[2], a.mid(3));
    if (a.size() == 5 && a[1] == "image")
        return Images(a[2], a[3].toInt(), a[4]);
    std::cerr << "Usage : niveaux compile <source.niv> <sortie.map>\n"
                 "        niveaux dump <carte.map>\n"
                 "        niveaux verifie <dossier des cartes> [n ...]\n"
                 "        niveaux image <dossier des cartes> <n> <préfixe des PNG>"
              << std::endl;
    return 2;
}
