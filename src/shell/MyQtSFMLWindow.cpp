#include "shell/MyQtSFMLWindow.h"

#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireControleurs.h"
#include "engine/GestionnairePolices.h"
#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/MoteurInteractif.h"
#include "game/AppGame.h"
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

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Window/Context.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>

float MyQtSFMLWindow::dureeFrame = 0.f;

MyQtSFMLWindow::MyQtSFMLWindow(QWidget* parent, const QPoint& position, const QSize& taille)
    : QtSFMLWindow(parent, position, taille, 0), ecranCourant(0), frequence(60), pause(false), dureeReelle(0.f), nombreFrames(0)
{
    dureeFrame = 0.f;
    horloge.restart();
    FixerLimiteCadence(static_cast<unsigned int>(frequence));
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
    // l'image du jeu naît avec la fenêtre vidéo, pas avant : rien de lourd ne retarde la fenêtre
    image.create(LARGEUR, HAUTEUR);
    setKeyRepeatEnabled(false);
    // Le canvas garde la fenêtre vidéo qu'il vient de créer ; les réglages s'y appliquent
    FixerLimiteCadence(static_cast<unsigned int>(frequence));
    setVerticalSyncEnabled(true);
    setView(VueImage());
    motPause.setFont(GestionnairePolices::Instance()->Police("data/ttf/nisetera.ttf"));
    motPause.setString("PAUSE");
    motPause.setCharacterSize(40);
    motPause.setFillColor(sf::Color::White);
    motPause.setOutlineColor(sf::Color::Black);
    motPause.setOutlineThickness(3.f);
    const sf::FloatRect b = motPause.getLocalBounds();
    motPause.setOrigin(std::floor(b.left + b.width / 2.f), std::floor(b.top + b.height / 2.f));
    motPause.setPosition(LARGEUR / 2.f, HAUTEUR / 2.f);
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
    ActualiserLogique();
    ActualiserDessin();
}

void MyQtSFMLWindow::ActualiserLogique()
{
    ChangerEcran();
    RecevoirEvenements();
    // pas de jeu réguliers : selon la durée de la frame précédente, aucun, un ou plusieurs
    pasFrame = pause ? 0 : pasJeu.Pas(dureeReelle);
    // sans pas, l'image précédente reste montrée
    if (pause || pasFrame > 0)
        image.clear(sf::Color::Black);
    if (pause)
    {
        MoteurInteractif::Instance()->IgnorerEvenements(*this, &evenementsQt);
        return;
    }
    for (int k = 0; k < pasFrame; ++k)
    {
        dureeFrame = pasJeu.DureePas();
        MoteurInteractif::Instance()->MettreAJour(*this, &evenementsQt);
        if (Ecran* e = EcranNumero(ecranCourant))
            if (Application* app = e->App())
            {
                app->temps += dureeFrame;
                app->Executer();
            }
        // animations à chaque pas, image tracée au dernier (dans ActualiserDessin)
        if (k < pasFrame - 1)
            MoteurGraphique::Instance()->Afficher(image, false);
    }
}

void MyQtSFMLWindow::ActualiserDessin()
{
    if (!pause)
    {
        if (pasFrame > 0)
            MoteurGraphique::Instance()->Afficher(image);
        MoteurAudio::Instance()->MettreAJour(true);
    }
    else
    {
        MoteurGraphique::Instance()->AfficherFige(image);
        // le mot PAUSE au milieu, sans toucher à la vue que l'image figée réutilisera
        const sf::View vue = image.getView();
        image.setView(image.getDefaultView());
        image.draw(motPause);
        image.setView(vue);
        MoteurAudio::Instance()->MettreAJour(false);
    }
    dureeReelle = horloge.restart().asSeconds();
    ++nombreFrames;
}

void MyQtSFMLWindow::RecevoirEvenements()
{
    // les événements de la fenêtre passent devant ceux venus de Qt, comme avant
    std::deque<sf::Event> fenetre;
    sf::Event e;
    while (pollEvent(e))
        fenetre.push_back(e);
    evenementsQt.insert(evenementsQt.begin(), fenetre.begin(), fenetre.end());

    const GestionnaireControleurs* c = GestionnaireControleurs::Instance();
    for (auto it = evenementsQt.begin(); it != evenementsQt.end();)
    {
        const bool touche = it->type == sf::Event::KeyReleased && it->key.code == c->Touche(7);
        const bool bouton = it->type == sf::Event::JoystickButtonReleased && it->joystickButton.button == c->Bouton(3);
        const bool entrer = touche || bouton;
        if (entrer && PauseParEntrerPermise())
        {
            // comme l'action du menu, dont la coche suit
            it = evenementsQt.erase(it);
            Interrompre(!pause);
            emit en_pause(pause);
        }
        else
            ++it;
    }
}

bool MyQtSFMLWindow::PauseParEntrerPermise() const
{
    if (ecranCourant != 5 || Ecran::EcranDemande() != 5)
        return false;
    Ecran* e = EcranNumero(5);
    AppGame* jeu = e ? dynamic_cast<AppGame*>(e->App()) : nullptr;
    if (!jeu || jeu->Infos().FinDePartie())
        return false;
    return pause || jeu->Scene().EtatScene() == SCENE_JEU;
}

void MyQtSFMLWindow::PreparerRenduLogiciel()
{
    // pour une image de 640 × 480, synchroniser les fils de rastérisation coûte plus de processeur
    // qu'ils n'en épargnent (mesuré : 8 ms par frame avec deux fils, 6 ms sans) ; un pilote matériel
    // ignore cette variable
    setenv("LP_NUM_THREADS", "0", 0);
}

int MyQtSFMLWindow::Echelle() const
{
    return std::max(1, std::min(width() / LARGEUR, height() / HAUTEUR));
}

sf::IntRect MyQtSFMLWindow::ZoneImage() const
{
    const int f = Echelle();
    return sf::IntRect((width() - f * LARGEUR) / 2, (height() - f * HAUTEUR) / 2, f * LARGEUR, f * HAUTEUR);
}

sf::View MyQtSFMLWindow::VueImage() const
{
    // la fenêtre montre l'image entière dans sa zone : un pixel du jeu = f × f pixels
    const sf::Vector2u t = sf::RenderWindow::getSize();
    const float l = static_cast<float>(std::max(1u, t.x)), h = static_cast<float>(std::max(1u, t.y));
    const int f = std::max(1, std::min(static_cast<int>(t.x) / LARGEUR, static_cast<int>(t.y) / HAUTEUR));
    const float x = static_cast<float>((static_cast<int>(t.x) - f * LARGEUR) / 2);
    const float y = static_cast<float>((static_cast<int>(t.y) - f * HAUTEUR) / 2);
    sf::View vue(sf::FloatRect(0.f, 0.f, LARGEUR, HAUTEUR));
    vue.setViewport(sf::FloatRect(x / l, y / h, f * LARGEUR / l, f * HAUTEUR / h));
    return vue;
}

void MyQtSFMLWindow::Presenter()
{
    image.display();
    setView(VueImage());
    // le noir autour seulement s'il se voit
    const sf::FloatRect v = getView().getViewport();
    if (v.left > 0.f || v.top > 0.f || v.width < 1.f || v.height < 1.f)
        clear(sf::Color::Black);
    if (CopierImage(v))
        return;
    // l'image est opaque : copiée telle quelle, sans mélange
    draw(sf::Sprite(image.getTexture()), sf::RenderStates(sf::BlendNone));
}

bool MyQtSFMLWindow::CopierImage(const sf::FloatRect& zone)
{
    // copie directe des pixels de l'image vers la fenêtre (agrandie sans lissage) : bien moins de
    // travail qu'un sprite plein écran en rendu logiciel
    using Lier = void (*)(unsigned int, unsigned int);
    using Copier = void (*)(int, int, int, int, int, int, int, int, unsigned int, unsigned int);
    using Lire = void (*)(unsigned int, int*);
    static const Lier lier = reinterpret_cast<Lier>(sf::Context::getFunction("glBindFramebuffer"));
    static const Copier copier = reinterpret_cast<Copier>(sf::Context::getFunction("glBlitFramebuffer"));
    static const Lire lire = reinterpret_cast<Lire>(sf::Context::getFunction("glGetIntegerv"));
    const unsigned int LECTURE = 0x8CA8, ECRITURE = 0x8CA9, LIAISON = 0x8CA6, COULEUR = 0x4000, PROCHE = 0x2600;
    if (!lier || !copier || !lire || !image.setActive(true))
        return false;
    int source = 0;
    lire(LIAISON, &source);
    if (source == 0 || !setActive(true))
        return false;
    const sf::Vector2u t = sf::RenderWindow::getSize();
    const int x0 = int(std::lround(zone.left * float(t.x))), x1 = int(std::lround((zone.left + zone.width) * float(t.x)));
    // en bas à gauche pour OpenGL
    const int y0 = int(std::lround((1.f - zone.top - zone.height) * float(t.y)));
    const int y1 = int(std::lround((1.f - zone.top) * float(t.y)));
    lier(LECTURE, unsigned(source));
    lier(ECRITURE, 0);
    copier(0, 0, LARGEUR, HAUTEUR, x0, y0, x1, y1, COULEUR, PROCHE);
    lier(LECTURE, 0);
    return true;
}

void MyQtSFMLWindow::resizeEvent(QResizeEvent* e)
{
    QtSFMLWindow::resizeEvent(e);
    setView(VueImage());
}

sf::RenderTarget* MyQtSFMLWindow::CibleDessin(sf::RenderTarget* cible)
{
    if (MyQtSFMLWindow* canvas = dynamic_cast<MyQtSFMLWindow*>(cible))
        return &canvas->image;
    return cible;
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
        FixerLimiteCadence(static_cast<unsigned int>(frequence));
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
