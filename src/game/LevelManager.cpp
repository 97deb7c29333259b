#include "game/LevelManager.h"

#include "engine/MoteurAudio.h"
#include "game/Camera.h"
#include "game/GameEngine.h"
#include "game/GameInfos.h"
#include "game/IAEngine.h"
#include "game/LecteurNiveau.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"
#include "screens/Ecran.h"

#include <QFile>

#include <vector>

QString LevelManager::dossier = "data/map/";

LevelManager::LevelManager(SceneGraphique* s, GameEngine* m, IAEngine* i, GameInfos* inf)
    : scene(s), moteur(m), ia(i), infos(inf), numeroNiveau(0), formatAttendu(FORMAT), etape(0), largeurLue(0),
      hauteurLue(0), numeroLu(0), nomZone("Sans Titre Zone"), numeroZone(1), numeroActe(1), formatLu(0),
      camera(nullptr)
{
}

LevelManager::~LevelManager()
{
}

bool LevelManager::LireEntete()
{
    QFile fichier(Chemin(numeroNiveau));
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    LecteurNiveau lecteur(&fichier, fichier.fileName());
    EnteteNiveau e;
    if (!lecteur.LireEntete(e))
        return false;
    largeurLue = e.largeur;
    hauteurLue = e.hauteur;
    numeroLu = e.numero;
    nomZone = e.nomZone;
    numeroZone = e.numeroZone;
    numeroActe = e.numeroActe;
    formatLu = e.format;
    return true;
}

void LevelManager::PreparerRideau()
{
    if (scene)
        scene->FixerTaille(largeurLue, hauteurLue);
    rideau.Preparer(nomZone.toStdString(), numeroActe);
    Sprite::FixerDossierZone("data/png/game/zones/" + std::to_string(numeroZone) + "/");
}

bool LevelManager::LireElements()
{
    QFile fichier(Chemin(numeroNiveau));
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    LecteurNiveau lecteur(&fichier, fichier.fileName());
    EnteteNiveau e;
    if (!lecteur.LireEntete(e))
        return true;
    if (formatLu != formatAttendu || numeroLu != numeroNiveau || !scene)
        return true;
    float profondeur = 0.f;
    std::vector<float> parametres;
    EnregistrementNiveau r;
    while (lecteur.LireEnregistrement(r))
    {
        LecteurNiveau::LireParametres(r.textes, r.id, profondeur, parametres);
        if (r.id != -1)
            scene->CreerElement(r.id, sf::Vector2f(float(r.x), float(r.y)), profondeur, parametres);
    }
    // le décor de la zone
    scene->CreerElement(numeroZone, sf::Vector2f(0.f, 0.f), 0.f, std::vector<float>());
    return true;
}

void LevelManager::Charger()
{
    switch (etape)
    {
    case 0:
        if (scene && scene->EtatScene() == SCENE_SUIVANTE)
        {
            // après le dernier niveau, la partie est finie : place au générique
            if (numeroNiveau >= 1 && !QFile::exists(Chemin(numeroNiveau + 1)))
            {
                Ecran::DemanderEcran(ECRAN_GENERIQUE);
                return;
            }
            ++numeroNiveau;
            LireEntete();
            PreparerRideau();
        }
        etape = 1;
        break;
    case 1:
        MoteurAudio::Instance()->ArreterTout();
        rideau.Demarrer();
        etape = 2;
        break;
    case 2:
        if (rideau.EtatRideau() != 5)
            break;
        if (moteur)
            moteur->Desactiver();
        if (ia)
            ia->Desactiver();
        if (infos)
            infos->Masquer();
        if (scene)
        {
            scene->Vider();
            scene->FixerPointDepart(sf::Vector2f(128.f, float(scene->Hauteur())));
            scene->FixerLimiteGauche(0);
            scene->FixerLimiteDroite(scene->Largeur());
            scene->FixerLimiteBas(scene->Hauteur());
            scene->FixerMarge(128);
        }
        etape = 3;
        break;
    case 3:
        LireElements();
        // sans héros, la caméra regarde le point de départ
        if (camera && scene && (!moteur || !moteur->HerosCourant()))
        {
            camera->FixerCible(nullptr);
            camera->Centrer(scene->PointDepart());
            camera->Borner();
        }
        etape = 4;
        break;
    case 4:
        rideau.Terminer();
        etape = 5;
        break;
    case 5:
        if (rideau.EtatRideau() < 12 || rideau.EtatRideau() > 15)
            break;
        if (moteur)
            moteur->Activer();
        if (ia)
            ia->Activer();
        if (infos)
            infos->Montrer();
        etape = 6;
        break;
    case 6:
        if (rideau.EtatRideau() != 15)
            break;
        if (scene)
            scene->FixerEtatScene(SCENE_PRETE);
        etape = 0;
        break;
    default:
        etape = 0;
        break;
    }
}
