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

#include <iostream>
#include <vector>

QString LevelManager::dossier = "data/map/";

LevelManager::LevelManager(SceneGraphique* s, GameEngine* m, IAEngine* i, GameInfos* inf)
    : scene(s), moteur(m), ia(i), infos(inf), numeroNiveau(0), formatAttendu(FORMAT), etape(0), largeurLue(0),
      hauteurLue(0), numeroLu(0), nomZone("Sans Titre Zone"), numeroZone(1), numeroActe(1), formatLu(0),
      camera(nullptr), choisi(false), abandon(false)
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
    // valeurs illisibles (textes, positions) : comptées, signalées une fois à la fin
    int illisibles = 0, premier = 0, zones = 0, inconnus = 0, premierInconnu = 0;
    while (lecteur.LireEnregistrement(r))
    {
        int n = LecteurNiveau::LireParametres(r.textes, profondeur, parametres);
        if (r.id != -1 && !LecteurNiveau::PositionValide(r))
            ++n;
        if (n > 0 && illisibles == 0)
            premier = r.id;
        illisibles += n;
        if (r.id == -1 || !LecteurNiveau::PositionValide(r))
            continue;
        // un niveau n'a qu'un décor de zone, celui de l'en-tête
        if (r.id == 1 || r.id == 2 || r.id == 99)
        {
            ++zones;
            continue;
        }
        if (!scene->CreerElement(r.id, sf::Vector2f(float(r.x), float(r.y)), profondeur, parametres) &&
            inconnus++ == 0)
            premierInconnu = r.id;
    }
    if (inconnus > 0)
        std::cerr << "Niveau " << fichier.fileName().toStdString() << " : " << inconnus
                  << QString::fromUtf8(" éléments de genre inconnu ignorés (le premier : ID = ").toStdString()
                  << premierInconnu << ")" << std::endl;
    if (zones > 0)
        std::cerr << "Niveau " << fichier.fileName().toStdString() << " : " << zones
                  << " décors de zone ignorés (celui de l'en-tête suffit)" << std::endl;
    // le décor de la zone
    scene->CreerElement(numeroZone, sf::Vector2f(0.f, 0.f), 0.f, std::vector<float>());
    if (illisibles > 0)
        LecteurNiveau::Avertir(premier, illisibles);
    return true;
}

void LevelManager::ChoisirNiveau(int n)
{
    choisi = true;
    // hors bornes : le numéro 0, qui n'existe pas, mène au titre
    numeroNiveau = n >= 1 && n <= NUMERO_MAX ? n - 1 : -1;
}

void LevelManager::Abandonner(const QString& raison)
{
    std::cerr << "Niveau " << Chemin(numeroNiveau).toStdString() << " : " << raison.toStdString()
              << ", retour au titre" << std::endl;
    abandon = true;
    etape = 0;
    Ecran::DemanderEcran(ECRAN_TITRE);
}

void LevelManager::Charger()
{
    if (abandon)
        return;
    switch (etape)
    {
    case 0:
        if (scene && scene->EtatScene() == SCENE_SUIVANTE)
        {
            // après le dernier niveau de la suite, la partie est finie : place au générique
            if (!choisi && numeroNiveau >= 1 && !QFile::exists(Chemin(numeroNiveau + 1)))
            {
                Ecran::DemanderEcran(ECRAN_GENERIQUE);
                return;
            }
            choisi = false;
            if (numeroNiveau >= NUMERO_MAX)
            {
                Abandonner(QString::fromUtf8("pas de niveau après le numéro ") + QString::number(NUMERO_MAX));
                return;
            }
            ++numeroNiveau;
            if (!QFile::exists(Chemin(numeroNiveau)))
            {
                Abandonner("fichier introuvable");
                return;
            }
            if (!LireEntete())
            {
                Abandonner("fichier illisible");
                return;
            }
            if (formatLu != formatAttendu || numeroLu != numeroNiveau)
            {
                Abandonner(QString::fromUtf8("format ") + QString::number(formatLu) + QString::fromUtf8(" ou numéro ") +
                           QString::number(numeroLu) + QString::fromUtf8(" inattendu"));
                return;
            }
            PreparerRideau();
        }
        etape = 1;
        break;
    case 1:
        MoteurAudio::Instance()->ArreterTout();
        // le bilan et l'affichage partent quand le carton arrive : il ne passe pas par-dessus
        if (infos)
            infos->Masquer();
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
        // l'étape change avant la lecture : une frame imbriquée (boîte d'avertissement) ne relit pas
        etape = 4;
        if (!LireElements())
        {
            Abandonner("fichier introuvable");
            return;
        }
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
