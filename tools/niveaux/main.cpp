// Outil des niveaux :
//   niveaux compile <source.niv> <sortie.map>
//   niveaux dump <carte.map>
//   niveaux verifie [--genres] [--actes] [--complet] <dossier des cartes> [n ...]
//     --genres : chaque genre de la table posé au moins une fois dans l'ensemble
//     --actes : actes 1, 2, 4 et 5, 150 anneaux et 2 ou 3 points de passage ; --complet : les deux
//   niveaux image <dossier des cartes> <n> <préfixe des PNG> [x,y ...]   (vues de plus, centrées là)
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
#include "scene/Zone.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

int Verifier(QStringList arguments)
{
    LecteurNiveau::FixerAvertisseur(LecteurNiveau::AvertirSurErreurStandard);
    SourceNiveau::Regles regles;
    while (!arguments.isEmpty() && arguments[0].startsWith("--"))
    {
        const QString o = arguments.takeFirst();
        if (o == "--genres" || o == "--complet")
            regles.genres = true;
        if (o == "--actes" || o == "--complet")
            regles.actes = true;
        if (o != "--genres" && o != "--actes" && o != "--complet")
        {
            std::cerr << "Option inconnue : " << o.toStdString() << std::endl;
            return 2;
        }
    }
    if (arguments.isEmpty())
        return 2;
    const QString dossier = arguments.takeFirst();
    QStringList numeros = arguments;
    if (numeros.isEmpty())
        for (const QString& f : QDir(dossier).entryList(QStringList() << "*.map", QDir::Files, QDir::Name))
            numeros << QFileInfo(f).completeBaseName();
    int echecs = 0;
    std::vector<SourceNiveau::Bilan> bilans;
    for (const QString& texte : numeros)
    {
        bool ok = false;
        const int n = texte.toInt(&ok);
        if (!ok)
            continue;
        bilans.push_back(SourceNiveau::Verifier(dossier, n));
        std::cout << SourceNiveau::DecrireBilan(bilans.back()).toStdString() << std::endl;
        if (!bilans.back().bon)
            ++echecs;
    }
    if (bilans.empty())
    {
        std::cout << "aucune carte dans " << dossier.toStdString() << " : ÉCHEC" << std::endl;
        return 1;
    }
    const QStringList problemes = SourceNiveau::VerifierEnsemble(bilans, regles);
    for (const QString& p : problemes)
        std::cout << "ensemble : " << p.toStdString() << std::endl;
    std::cout << bilans.size() << " niveaux, " << echecs + problemes.size() << QString::fromUtf8(" problèmes").toStdString()
              << std::endl;
    return echecs == 0 && problemes.isEmpty() ? 0 : 1;
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
int Images(const QString& dossier, int n, const QString& prefixe, const QStringList& points)
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
            // le départ, une fois le carton tout à fait parti
            if (scene.EtatScene() == SCENE_JEU && etat == 16)
            {
                Enregistrer(rt, p + "_depart.png");
                break;
            }
        }
        // quelques vues le long du niveau, puis celles des points demandés ("x,y")
        std::vector<sf::Vector2f> centres;
        for (int i = 1; i <= 3; ++i)
            centres.push_back(sf::Vector2f(scene.Largeur() * i / 4.f, scene.PointDepart().y));
        for (const QString& point : points)
        {
            const QStringList xy = point.split(',');
            if (xy.size() == 2)
                centres.push_back(sf::Vector2f(xy[0].toFloat(), xy[1].toFloat()));
        }
        for (size_t i = 1; i <= centres.size(); ++i)
        {
            camera.Centrer(centres[i - 1]);
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
        // vue d'ensemble de tout le niveau, réduite (au quart, moins pour un niveau très large)
        const float echelle = std::min(0.25f, 4096.f / float(std::max(scene.Largeur(), scene.Hauteur())));
        sf::RenderTexture ensemble;
        if (ensemble.create(unsigned(scene.Largeur() * echelle), unsigned(scene.Hauteur() * echelle)))
        {
            const sf::View vueEnsemble(sf::FloatRect(0.f, 0.f, float(scene.Largeur()), float(scene.Hauteur())));
            ensemble.clear(sf::Color(40, 40, 60));
            std::vector<ElementScenique*> tous;
            if (scene.Index())
                Tous(&scene.Index()->Racine(), tous);
            std::sort(tous.begin(), tous.end(),
                      [](ElementScenique* a, ElementScenique* b) { return a->profondeur < b->profondeur; });
            for (ElementScenique* e : tous)
            {
                // le fond de zone se dessine à l'écran, pas dans le niveau
                if (dynamic_cast<Zone*>(e))
                    continue;
                // un élément peut changer la vue en se dessinant : on la remet avant chacun
                ensemble.setView(vueEnsemble);
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

int Commande(const QStringList& a)
{
    if (a.size() == 4 && a[1] == "compile")
        return Compiler(a[2], a[3]);
    if (a.size() == 3 && a[1] == "dump")
        return Decrire(a[2]);
    if (a.size() >= 3 && a[1] == "verifie")
    {
        const int r = Verifier(a.mid(2));
        if (r != 2)
            return r;
    }
    if (a.size() >= 5 && a[1] == "image")
        return Images(a[2], a[3].toInt(), a[4], a.mid(5));
    std::cerr << "Usage : niveaux compile <source.niv> <sortie.map>\n"
                 "        niveaux dump <carte.map>\n"
                 "        niveaux verifie [--genres] [--actes] [--complet] <dossier des cartes> [n ...]\n"
                 "        niveaux image <dossier des cartes> <n> <préfixe des PNG> [x,y ...]"
              << std::endl;
    return 2;
}
}

int main(int argc, char** argv)
{
    // l'outil ne joue aucun son : sortie nulle, même sans configuration d'OpenAL
    setenv("ALSOFT_DRIVERS", "null", 1);
    QCoreApplication app(argc, argv);
    const int statut = Commande(app.arguments());
    // les caches du jeu (sons, musiques) ne sont jamais détruits : on sort sans passer par les
    // destructeurs statiques, où le périphérique audio partirait avant eux
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(statut);
}
