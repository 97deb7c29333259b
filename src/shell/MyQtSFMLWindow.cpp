#include "shell/MyQtSFMLWindow.h"

#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireControleurs.h"
#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/MoteurInteractif.h"
#include "screens/Application.h"
#include "screens/EcranAccueil.h"
#include "screens/EcranCredits.h"
#include "screens/EcranDemarrage.h"
#include "screens/EcranGame.h"
#include "screens/EcranGoLevel.h"
#include "screens/EcranOptions.h"
#include "screens/EcranSynopsis.h"
#include "shell/MenuDialogControleur.h"
#include "shell/MenuDialogVolume.h"

#include <QInputDialog>

#include <algorithm>

float MyQtSFMLWindow::dureeFrame = 0.f;

namespace
{
// Pas de mouvement le plus long : une frame plus lente (chargement, fenêtre déplacée, dialogue)
// fait ralentir le jeu plutôt que traverser le décor
const float DUREE_FRAME_MAX = 1.f / 20.f;
}

MyQtSFMLWindow::MyQtSFMLWindow(QWidget* parent, const QPoint& position, const QSize& taille)
    : QtSFMLWindow(parent, position, taille, 0), ecranCourant(0), frequence(60), pause(false), nombreFrames(0)
{
    dureeFrame = 0.f;
    horloge.restart();
    setFramerateLimit(static_cast<unsigned int>(frequence));
    setVerticalSyncEnabled(true);
}

MyQtSFMLWindow::~MyQtSFMLWindow()
{
    for (Ecran* e : ecrans)
        delete e;
    ecrans.clear();
    // plus aucun flux de musique ne doit tourner quand le processus se termine
    MoteurAudio::Instance()->ArreterTout();
}

void MyQtSFMLWindow::Initialiser()
{
    setKeyRepeatEnabled(false);
    // Le canvas garde la fenêtre vidéo qu'il vient de créer ; les réglages s'y appliquent
    setFramerateLimit(static_cast<unsigned int>(frequence));
    setVerticalSyncEnabled(true);
    ecrans.push_back(new EcranDemarrage(this));
    ecrans.push_back(new EcranAccueil(this));
    ecrans.push_back(new EcranOptions(this));
    ecrans.push_back(new EcranSynopsis(this));
    ecrans.push_back(new EcranCredits(this));
    ecrans.push_back(new EcranGame(this));
    ecrans.push_back(new EcranGoLevel(this));
    ecrans[0]->Lancer();
}

Ecran* MyQtSFMLWindow::EcranNumero(int id) const
{
    for (Ecran* e : ecrans)
        if (e->Id() == id)
            return e;
    return nullptr;
}

void MyQtSFMLWindow::ChangerEcran()
{
    const int demande = Ecran::EcranDemande();
    if (demande == ecranCourant)
        return;
    Ecran* nouveau = EcranNumero(demande);
    if (!nouveau)
    {
        // Écran inconnu : on ignore la demande
        Ecran::DemanderEcran(ecranCourant);
        return;
    }
    if (Ecran* courant = EcranNumero(ecranCourant))
        courant->Arreter();
    MoteurGraphique::Instance()->Vider(true);
    MoteurAudio::Instance()->ArreterTout();
    ecranCourant = demande;
    nouveau->Lancer();
}

void MyQtSFMLWindow::Actualiser()
{
    clear(sf::Color::Black);
    ChangerEcran();
    if (!pause)
    {
        MoteurInteractif::Instance()->MettreAJour(*this, &evenementsQt);
        if (Ecran* e = EcranNumero(ecranCourant))
            if (Application* app = e->App())
            {
                app->temps += dureeFrame;
                app->Executer();
            }
        MoteurGraphique::Instance()->Afficher(*this);
        MoteurAudio::Instance()->MettreAJour(true);
    }
    else
    {
        MoteurInteractif::Instance()->IgnorerEvenements(*this, &evenementsQt);
        MoteurGraphique::Instance()->AfficherFige(*this);
        MoteurAudio::Instance()->MettreAJour(false);
    }
    dureeFrame = std::min(horloge.restart().asSeconds(), DUREE_FRAME_MAX);
    ++nombreFrames;
}

void MyQtSFMLWindow::Redemarrer()
{
    if (Ecran* courant = EcranNumero(ecranCourant))
        courant->Arreter();
    Ecran::DemanderEcran(0);
    ecranCourant = 0;
    MoteurGraphique::Instance()->Vider(true);
    MoteurAudio::Instance()->ArreterTout();
    if (Ecran* e = EcranNumero(0))
        e->Lancer();
    emit en_pause(false);
}

void MyQtSFMLWindow::Interrompre(bool interruption)
{
    pause = interruption;
}

void MyQtSFMLWindow::ActiverSynchroVerticale(bool synchro)
{
    setVerticalSyncEnabled(synchro);
}

void MyQtSFMLWindow::SetLimiteFramerate()
{
    bool ok = false;
    const int valeur = QInputDialog::getInt(this, QString::fromUtf8("Fréquence"), "Entrer la valeur", frequence, 10,
                                            120, 10, &ok, Qt::WindowTitleHint);
    if (ok)
    {
        frequence = valeur;
        setFramerateLimit(static_cast<unsigned int>(frequence));
    }
}

void MyQtSFMLWindow::DesactiverSon(bool son)
{
    GestionnaireAudio::Instance()->Couper(son);
}

void MyQtSFMLWindow::OuvrirMenuVolume()
{
    MenuDialogVolume dialogue(this, Qt::WindowTitleHint);
    dialogue.exec();
}

void MyQtSFMLWindow::ChoisirClavier()
{
    GestionnaireControleurs::Instance()->DefinirControleur(GestionnaireControleurs::CLAVIER);
}

void MyQtSFMLWindow::ChoisirManette()
{
    GestionnaireControleurs::Instance()->DefinirControleur(GestionnaireControleurs::MANETTE);
}

void MyQtSFMLWindow::OuvrirMenuControleur()
{
    MenuDialogControleur dialogue(this, Qt::WindowTitleHint);
    dialogue.exec();
}
