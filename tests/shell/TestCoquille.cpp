#include "SupportQt.h"

#include "engine/EntiteGraphique.h"
#include "engine/EntiteInteractive.h"
#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireControleurs.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "screens/Application.h"
#include "screens/Ecran.h"
#include "shell/MenuDialogControleur.h"
#include "shell/MenuDialogVolume.h"
#include "shell/MyQMainWindow.h"
#include "shell/MyQtSFMLWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QSlider>

#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

namespace
{
QAction* Action(QMainWindow& f, const QString& menu, const QString& texte)
{
    for (QAction* m : f.menuBar()->actions())
        if (m->text() == menu)
            for (QAction* a : m->menu()->actions())
                if (a->text() == texte)
                    return a;
    return nullptr;
}

struct Compteur : EntiteGraphique, EntiteInteractive
{
    int synchros = 0, animations = 0, dessins = 0, evenements = 0;
    void Synchroniser() override { ++synchros; }
    void Animer() override { ++animations; }
    void Dessiner(sf::RenderTarget&) override { ++dessins; }
    void TraiterEvenement(const sf::Event&) override { ++evenements; }
};

struct Coquille : ::testing::Test
{
    MyQMainWindow* fenetre = nullptr;
    void SetUp() override
    {
        AppQt();
        Ecran::DemanderEcran(0);
        fenetre = new MyQMainWindow();
        fenetre->show();
        AppQt()->processEvents();
    }
    void TearDown() override
    {
        delete fenetre;
        SourceTemps::Manuel(false);
    }
    MyQtSFMLWindow* canvas() { return fenetre->Canvas(); }
};
} // namespace

TEST_F(Coquille, FenetreEtMenus)
{
    EXPECT_EQ(fenetre->windowTitle(), "Vanto & Tormundo SFML");
    EXPECT_EQ(fenetre->size(), QSize(640, 480 + fenetre->menuBar()->height()));
    EXPECT_EQ(canvas()->QWidget::size(), QSize(640, 480));
    QStringList menus;
    for (QAction* m : fenetre->menuBar()->actions())
        menus << m->text();
    EXPECT_EQ(menus, QStringList({"Fichier", QString::fromUtf8("Vidéo"), "Audio",
                                  QString::fromUtf8("Contrôleurs"), "Aide"}));
    struct { const char* menu; const char* action; const char* raccourci; } attendus[] = {
        {"Fichier", "Redémarrer", "Ctrl+R"}, {"Fichier", "Mettre en pause", "Ctrl+P"},
        {"Fichier", "Quitter", "Ctrl+Q"},    {"Audio", "Volumes", "Ctrl+V"},
        {"Contrôleurs", "Configurer", "Ctrl+C"}, {"Vidéo", "Synchro verticale", ""},
        {"Vidéo", "Frequence d'affichage", ""}, {"Audio", "Desactiver", ""}, {"Aide", "A propos de Qt", ""},
        {"Vidéo", "Plein écran", "F11"}};
    for (auto& a : attendus)
    {
        QAction* action = Action(*fenetre, QString::fromUtf8(a.menu), QString::fromUtf8(a.action));
        ASSERT_NE(action, nullptr) << a.action;
        EXPECT_EQ(action->shortcut(), QKeySequence(a.raccourci)) << a.action;
    }
    EXPECT_TRUE(Action(*fenetre, QString::fromUtf8("Vidéo"), "Synchro verticale")->isChecked());
    QStringList tailles;
    for (QAction* a : Action(*fenetre, QString::fromUtf8("Vidéo"), "Taille")->menu()->actions())
        tailles << a->text() + (a->isChecked() ? "*" : "");
    EXPECT_EQ(tailles, QStringList({"x1*", "x2", "x3", "x4"}));
    EXPECT_FALSE(Action(*fenetre, "Audio", "Desactiver")->isChecked());
}

TEST_F(Coquille, PauseEtRedemarrageDecochentLaPause)
{
    QAction* pause = Action(*fenetre, "Fichier", "Mettre en pause");
    pause->trigger();
    EXPECT_TRUE(canvas()->EnPause());
    pause->trigger();
    EXPECT_FALSE(canvas()->EnPause());
    pause->trigger();
    Ecran::DemanderEcran(3);
    Action(*fenetre, "Fichier", QString::fromUtf8("Redémarrer"))->trigger();
    EXPECT_FALSE(pause->isChecked());
    EXPECT_FALSE(canvas()->EnPause());
    EXPECT_EQ(canvas()->EcranCourant(), 0);
    EXPECT_EQ(Ecran::EcranDemande(), 0);
}

TEST_F(Coquille, CochesDesControleursSuiventLeControleurChoisi)
{
    QAction* clavier = Action(*fenetre, QString::fromUtf8("Contrôleurs"), "Clavier");
    QAction* manette = Action(*fenetre, QString::fromUtf8("Contrôleurs"), "Manette");
    manette->trigger();
    EXPECT_EQ(GestionnaireControleurs::Instance()->Controleur(), GestionnaireControleurs::MANETTE);
    EXPECT_TRUE(manette->isChecked());
    EXPECT_FALSE(clavier->isChecked());
    clavier->trigger();
    clavier->trigger(); // déjà coché : reste coché
    EXPECT_EQ(GestionnaireControleurs::Instance()->Controleur(), GestionnaireControleurs::CLAVIER);
    EXPECT_TRUE(clavier->isChecked());
    EXPECT_FALSE(manette->isChecked());
}

TEST_F(Coquille, FrameJoueDesPasReguliersEtChangeDEcranAuDebutDeLaSuivante)
{
    SourceTemps::Manuel(true);
    MyQtSFMLWindow::DefinirDureeFrame(0.f);
    canvas()->Actualiser();
    Application* app = canvas()->EcranNumero(0)->App();
    ASSERT_NE(app, nullptr);
    const float t0 = app->temps;
    // cinq frames de 20 ms : six pas de 1/60 s, le reste de chaque frame passe à la suivante
    for (int i = 0; i < 6; ++i)
    {
        SourceTemps::Avancer(sf::milliseconds(20));
        canvas()->Actualiser();
    }
    EXPECT_NEAR(MyQtSFMLWindow::DureeFrame(), 1.f / 60.f, 1e-6);
    EXPECT_NEAR(app->temps - t0, 0.1f, 1e-4);
    // à 8 ms la frame, une sur deux ne joue aucun pas ; le temps de jeu suit le temps réel
    const float t1 = app->temps;
    int sansPas = 0;
    for (int i = 0; i < 12; ++i)
    {
        const float avant = app->temps;
        SourceTemps::Avancer(sf::milliseconds(8));
        canvas()->Actualiser();
        sansPas += app->temps == avant;
    }
    EXPECT_GE(sansPas, 5);
    EXPECT_NEAR(app->temps - t1, 0.1f, 0.02f);

    Ecran::DemanderEcran(canvas()->EcranCourant()); // son propre écran : aucun changement
    canvas()->Actualiser();
    EXPECT_EQ(canvas()->EcranCourant(), 0);
    Ecran::DemanderEcran(3);
    Ecran::DemanderEcran(2); // la dernière demande l'emporte
    EXPECT_EQ(canvas()->EcranCourant(), 0);
    canvas()->Actualiser();
    EXPECT_EQ(canvas()->EcranCourant(), 2);
    EXPECT_NE(canvas()->EcranNumero(2)->App(), nullptr);
    EXPECT_EQ(canvas()->EcranNumero(0)->App(), nullptr);
}

TEST_F(Coquille, EnPauseRienNeBougeEtLesEvenementsSontPerdus)
{
    Compteur c;
    SourceTemps::Manuel(true);
    auto frame = [&] {
        SourceTemps::Avancer(sf::seconds(1.f / 60.f));
        canvas()->Actualiser();
    };
    frame();
    frame();
    const int dessins = c.dessins;
    EXPECT_GE(c.synchros, 1);
    canvas()->Interrompre(true);
    const int synchros = c.synchros, animations = c.animations;
    frame();
    frame();
    EXPECT_EQ(c.synchros, synchros);
    EXPECT_EQ(c.animations, animations);
    EXPECT_GT(c.dessins, dessins); // l'image est redessinée
    canvas()->Interrompre(false);
    frame();
    EXPECT_GT(c.synchros, synchros);
}

TEST(Dialogues, CaptureDesHuitTouchesPuisBascule)
{
    AppQt();
    GestionnaireControleurs::Instance()->Reinitialiser();
    MenuDialogControleur d(nullptr, Qt::WindowTitleHint);
    sf::Event e;
    e.type = sf::Event::KeyPressed;
    e.key.code = sf::Keyboard::A;
    d.Capturer(e); // aucune capture armée
    EXPECT_EQ(GestionnaireControleurs::Instance()->Touche(0), sf::Keyboard::Up);

    d.DefinirActionClavier();
    EXPECT_EQ(d.TexteClavier(), "HAUT");
    const sf::Keyboard::Key touches[8] = {sf::Keyboard::Z, sf::Keyboard::X, sf::Keyboard::C, sf::Keyboard::V,
                                          sf::Keyboard::B, sf::Keyboard::N, sf::Keyboard::M, sf::Keyboard::Space};
    for (int i = 0; i < 8; ++i)
    {
        e.key.code = touches[i];
        d.Capturer(e);
    }
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(GestionnaireControleurs::Instance()->Touche(i), touches[i]);
    EXPECT_EQ(d.TexteClavier(), "Clavier OK");
    EXPECT_TRUE(d.EnCapture());
    e.key.code = sf::Keyboard::Escape; // avalée, termine la capture
    d.Capturer(e);
    EXPECT_FALSE(d.EnCapture());
    EXPECT_EQ(GestionnaireControleurs::Instance()->Touche(7), sf::Keyboard::Space);

    // Bascule vers la manette en cours de capture clavier
    d.DefinirActionClavier();
    e.key.code = sf::Keyboard::K;
    d.Capturer(e);
    d.DefinirActionManette();
    EXPECT_EQ(d.TexteManette(), "ACTION 1");
    EXPECT_EQ(d.TexteClavier(), "");
    e.key.code = sf::Keyboard::L;
    d.Capturer(e); // touche ignorée
    EXPECT_EQ(GestionnaireControleurs::Instance()->Touche(1), sf::Keyboard::X);
    sf::Event b;
    b.type = sf::Event::JoystickButtonPressed;
    b.joystickButton.joystickId = 0;
    for (unsigned int n : {7u, 6u, 5u, 4u})
    {
        b.joystickButton.button = n;
        d.Capturer(b);
    }
    EXPECT_EQ(GestionnaireControleurs::Instance()->Bouton(0), 7u);
    EXPECT_EQ(GestionnaireControleurs::Instance()->Bouton(3), 4u);
    EXPECT_EQ(d.TexteManette(), "Manette OK");
    GestionnaireControleurs::Instance()->Reinitialiser();
}

TEST(Dialogues, VolumesAppliquesSeulementSurOK)
{
    AppQt();
    GestionnaireAudio* ga = GestionnaireAudio::Instance();
    {
        MenuDialogVolume d(nullptr, Qt::WindowTitleHint);
        EXPECT_EQ(d.CurseurMusique()->value(), ga->VolumeMusiques());
        EXPECT_EQ(d.CurseurSon()->value(), ga->VolumeSons());
        d.CurseurMusique()->setValue(90);
        d.close(); // Annuler
    }
    EXPECT_EQ(ga->VolumeMusiques(), 30);
    {
        MenuDialogVolume d(nullptr, Qt::WindowTitleHint);
        d.CurseurMusique()->setValue(70);
        d.CurseurSon()->setValue(20);
        d.Valider();
    }
    EXPECT_EQ(ga->VolumeMusiques(), 70);
    EXPECT_EQ(ga->VolumeSons(), 20);
    ga->DefinirVolumeMusiques(30);
    ga->DefinirVolumeSons(50);
}

#include "shell/TraducteurTouches.h"

#include <QKeyEvent>
#include <QMouseEvent>

TEST(TraducteurTouches, ToucheQtDevientToucheDuJeu)
{
    EXPECT_EQ(TraducteurTouches::Touche(Qt::Key_Q), sf::Keyboard::Q);
    EXPECT_EQ(TraducteurTouches::Touche(Qt::Key_S), sf::Keyboard::S);
    EXPECT_EQ(TraducteurTouches::Touche(Qt::Key_Up), sf::Keyboard::Up);
    EXPECT_EQ(TraducteurTouches::Touche(Qt::Key_Enter), sf::Keyboard::Return);
    EXPECT_EQ(TraducteurTouches::Touche(Qt::Key_7), sf::Keyboard::Num7);
    EXPECT_EQ(TraducteurTouches::Touche(Qt::Key_F12), sf::Keyboard::F12);

    sf::Event e;
    QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    ASSERT_TRUE(TraducteurTouches::Traduire(relache, false, e));
    EXPECT_EQ(e.type, sf::Event::KeyReleased);
    EXPECT_EQ(e.key.code, sf::Keyboard::Return);
    // une touche répétée par le système ne produit rien
    QKeyEvent repetee(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    EXPECT_FALSE(TraducteurTouches::Traduire(repetee, true, e));
    QKeyEvent inconnue(QEvent::KeyPress, Qt::Key_MediaPlay, Qt::NoModifier);
    EXPECT_FALSE(TraducteurTouches::Traduire(inconnue, true, e));

    QMouseEvent clic(QEvent::MouseButtonPress, QPointF(12, 34), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    ASSERT_TRUE(TraducteurTouches::Traduire(clic, true, e));
    EXPECT_EQ(e.type, sf::Event::MouseButtonPressed);
    EXPECT_EQ(e.mouseButton.x, 12);
    EXPECT_EQ(e.mouseButton.y, 34);
}

TEST_F(Coquille, ToucheRecueParQtArriveAuxEntitesDuJeu)
{
    Compteur c;
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(canvas(), &appui);
    canvas()->Actualiser();
    EXPECT_EQ(c.evenements, 1);
    // en pause, l'événement est perdu
    canvas()->Interrompre(true);
    QApplication::sendEvent(canvas(), &appui);
    canvas()->Actualiser();
    canvas()->Interrompre(false);
    canvas()->Actualiser();
    EXPECT_EQ(c.evenements, 1);
}

#include <set>

TEST(TraducteurTouches, ToutesLesTouchesDuJeuSontAtteintes)
{
    // toutes les touches Qt, avec ou sans le pavé numérique, avec les symboles X11 qui départagent
    std::set<int> atteintes;
    std::vector<quint32> symboles = {0, 0xffe1, 0xffe2, 0xffe3, 0xffe4, 0xffe9, 0xffea, 0xffeb, 0xffec};
    for (quint32 s = 0xff95; s <= 0xff9f; ++s)
        symboles.push_back(s);
    for (int base : {0, 0x01000000, 0x01001100})
        for (int k = base; k < base + 0x100; ++k)
            for (Qt::KeyboardModifiers m :
                 {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::KeypadModifier)})
                for (quint32 s : symboles)
                {
                    QKeyEvent e(QEvent::KeyPress, k, m, 0, s, 0);
                    atteintes.insert(TraducteurTouches::Touche(e));
                }
    std::string manquantes;
    for (int k = 0; k < sf::Keyboard::KeyCount; ++k)
        if (!atteintes.count(k))
            manquantes += std::to_string(k) + " ";
    EXPECT_EQ(manquantes, "") << "codes sf::Keyboard jamais produits";

    // ce que la touche seule ne dit pas : le côté, le pavé numérique
    QKeyEvent majDroite(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier, 62, 0xffe2, 0);
    QKeyEvent majGauche(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier, 50, 0xffe1, 0);
    EXPECT_EQ(TraducteurTouches::Touche(majDroite), sf::Keyboard::RShift);
    EXPECT_EQ(TraducteurTouches::Touche(majGauche), sf::Keyboard::LShift);
    QKeyEvent pave7(QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier);
    QKeyEvent paveOrigine(QEvent::KeyPress, Qt::Key_Home, Qt::KeypadModifier, 79, 0xff95, 0);
    QKeyEvent origine(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier, 110, 0xff50, 0);
    EXPECT_EQ(TraducteurTouches::Touche(pave7), sf::Keyboard::Numpad7);
    EXPECT_EQ(TraducteurTouches::Touche(paveOrigine), sf::Keyboard::Numpad7);
    EXPECT_EQ(TraducteurTouches::Touche(origine), sf::Keyboard::Home);
}

// Le canvas entier, sous une barre de menus plus haute que d'habitude, à chaque taille
TEST(Fenetre, CanvasEntierSousLaBarreDeMenusAChaqueTaille)
{
    AppQt();
    const QFont avant = QApplication::font();
    QFont grande = avant;
    grande.setPointSize(avant.pointSize() * 2 + 4);
    QApplication::setFont(grande);
    {
        MyQMainWindow f;
        f.show();
        MyQtSFMLWindow* c = f.Canvas();
        for (int facteur : {1, 2, 3, 4, 1})
        {
            f.DefinirFacteur(facteur);
            AppQt()->processEvents();
            const QRect barre = f.menuBar()->geometry();
            EXPECT_GT(barre.height(), 21);
            EXPECT_EQ(c->geometry(), QRect(0, barre.bottom() + 1, 640 * facteur, 480 * facteur)) << "x" << facteur;
            EXPECT_EQ(f.size(), QSize(640 * facteur, barre.height() + 480 * facteur)) << "x" << facteur;
            EXPECT_EQ(c->getSize(), sf::Vector2u(640 * facteur, 480 * facteur));
            EXPECT_EQ(c->Echelle(), facteur);
            EXPECT_EQ(c->ZoneImage(), sf::IntRect(0, 0, 640 * facteur, 480 * facteur));
        }
        // plein écran : tout l'écran, l'image au plus grand facteur entier, centrée ; puis retour
        f.DefinirFacteur(2);
        const QPoint position = f.pos();
        f.BasculerPleinEcran(true);
        AppQt()->processEvents();
        const QRect ecran = f.screen()->geometry();
        const int k = std::max(1, std::min(ecran.width() / 640, ecran.height() / 480));
        EXPECT_FALSE(f.menuBar()->isVisible());
        EXPECT_EQ(c->QWidget::size(), ecran.size());
        EXPECT_EQ(c->Echelle(), k);
        EXPECT_EQ(c->ZoneImage(), sf::IntRect((ecran.width() - 640 * k) / 2, (ecran.height() - 480 * k) / 2,
                                              640 * k, 480 * k));
        f.BasculerPleinEcran(false);
        AppQt()->processEvents();
        EXPECT_TRUE(f.menuBar()->isVisible());
        EXPECT_EQ(c->QWidget::size(), QSize(1280, 960));
        EXPECT_EQ(f.size(), QSize(1280, 960 + f.menuBar()->height()));
        EXPECT_EQ(f.pos(), position);
    }
    QApplication::setFont(avant);
}

#include "game/AppGame.h"
#include "game/GameOptions.h"

#include <QFile>

namespace
{
void Relacher(QWidget* w, int cle)
{
    QKeyEvent e(QEvent::KeyRelease, cle, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

// Une touche inhabituelle (F5, pavé numérique) définie dans la boîte, puis jouée : elle choisit
// au titre et met la partie en pause ou la reprend, coche du menu comprise
TEST_F(Coquille, ToucheInhabituelleDefinieDansLaBoitePuisJouee)
{
    if (!QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "données non générées";
    GestionnaireControleurs* gc = GestionnaireControleurs::Instance();
    gc->Reinitialiser();
    {
        MenuDialogControleur d(canvas(), Qt::WindowTitleHint);
        d.show();
        d.DefinirActionClavier();
        // les touches arrivent au widget qui a le focus : ici la barre d'onglets, friande de flèches
        QWidget* focus = d.findChild<QTabBar*>();
        ASSERT_NE(focus, nullptr);
        const std::pair<int, Qt::KeyboardModifiers> frappes[8] = {
            {Qt::Key_Up, Qt::NoModifier}, {Qt::Key_Down, Qt::NoModifier},   {Qt::Key_Left, Qt::NoModifier},
            {Qt::Key_Right, Qt::NoModifier}, {Qt::Key_Q, Qt::NoModifier}, {Qt::Key_0, Qt::KeypadModifier},
            {Qt::Key_D, Qt::NoModifier},  {Qt::Key_F5, Qt::NoModifier}};
        for (const auto& f : frappes)
        {
            QKeyEvent e(QEvent::KeyPress, f.first, f.second);
            QApplication::sendEvent(focus, &e);
        }
        EXPECT_EQ(d.TexteClavier(), "Clavier OK");
    }
    EXPECT_EQ(gc->Touche(5), sf::Keyboard::Numpad0);
    EXPECT_EQ(gc->Touche(7), sf::Keyboard::F5);

    SourceTemps::Manuel(true);
    auto frames = [&](int n) {
        for (int i = 0; i < n; ++i)
        {
            canvas()->Actualiser();
            SourceTemps::Avancer(sf::milliseconds(17));
        }
    };
    GameOptions::Instance()->DefinirNiveauChoisi(1);
    Ecran::DemanderEcran(1);
    frames(3);
    Relacher(canvas(), Qt::Key_Return); // plus liée à rien
    frames(2);
    EXPECT_EQ(canvas()->EcranCourant(), 1);
    Relacher(canvas(), Qt::Key_F5); // « jouer »
    frames(2);
    ASSERT_EQ(canvas()->EcranCourant(), 5);
    auto* jeu = dynamic_cast<AppGame*>(canvas()->EcranNumero(5)->App());
    ASSERT_NE(jeu, nullptr);
    EXPECT_FALSE(canvas()->PauseParEntrerPermise()); // niveau en chargement
    for (int i = 0; i < 2000 && jeu->Scene().EtatScene() != SCENE_JEU; ++i)
        frames(1);
    ASSERT_EQ(jeu->Scene().EtatScene(), SCENE_JEU);

    QAction* pause = Action(*fenetre, "Fichier", "Mettre en pause");
    Relacher(canvas(), Qt::Key_F5);
    frames(1);
    EXPECT_TRUE(canvas()->EnPause());
    EXPECT_TRUE(pause->isChecked());
    const float temps = jeu->temps;
    frames(10);
    EXPECT_EQ(jeu->temps, temps); // figée
    Relacher(canvas(), Qt::Key_F5);
    frames(1);
    EXPECT_FALSE(canvas()->EnPause());
    EXPECT_FALSE(pause->isChecked());
    EXPECT_GT(jeu->temps, temps);
    // mise en pause par le menu, reprise par la touche
    pause->trigger();
    frames(1);
    Relacher(canvas(), Qt::Key_F5);
    frames(1);
    EXPECT_FALSE(canvas()->EnPause());
    EXPECT_FALSE(pause->isChecked());
    // le bouton ENTRER de la manette (3) fait de même
    sf::Event bouton;
    bouton.type = sf::Event::JoystickButtonReleased;
    bouton.joystickButton.joystickId = 0;
    bouton.joystickButton.button = 3;
    canvas()->EvenementsQt().push_back(bouton);
    frames(1);
    EXPECT_TRUE(canvas()->EnPause());
    EXPECT_TRUE(pause->isChecked());
    canvas()->EvenementsQt().push_back(bouton);
    frames(1);
    EXPECT_FALSE(canvas()->EnPause());
    gc->Reinitialiser();
}

#include <QPixmap>
#include <QImage>

#include <SFML/Graphics/Image.hpp>

#include <thread>

// L'image du jeu arrive telle quelle dans la fenêtre, pixel pour pixel : à la taille x1, en plein
// écran (centrée sur du noir) et, si l'écran est assez grand, agrandie deux fois sans lissage
TEST_F(Coquille, ImageDuJeuCopieeTelleQuelleDansLaFenetre)
{
    QScreen* ecran = fenetre->screen();
    if (!ecran || ecran->depth() < 24)
        GTEST_SKIP() << "écran de moins de 24 bits";
    if (!QFile::exists("data/png/accueil/ecran.png"))
        GTEST_SKIP() << "données non générées";
    // l'écran titre : une image pleine de couleurs
    SourceTemps::Manuel(true);
    Ecran::DemanderEcran(1);
    for (int i = 0; i < 120; ++i)
    {
        SourceTemps::Avancer(sf::milliseconds(16));
        canvas()->Actualiser();
        canvas()->Montrer();
    }
    auto verifier = [&](const char* cas) {
        // le temps ne bouge plus : la même image, montrée de nouveau
        canvas()->Actualiser();
        canvas()->Montrer();
        AppQt()->processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const sf::Image jeu = canvas()->Image().getTexture().copyToImage();
        const QImage vue = ecran->grabWindow(canvas()->winId()).toImage();
        const sf::IntRect z = canvas()->ZoneImage();
        const int f = canvas()->Echelle();
        int differents = 0, noirs = 0;
        for (unsigned y = 0; y < 480; y += 3)
            for (unsigned x = 0; x < 640; x += 3)
            {
                const sf::Color a = jeu.getPixel(x, y);
                const QRgb b = vue.pixel(z.left + int(x) * f + f / 2, z.top + int(y) * f + f / 2);
                if (a.r != qRed(b) || a.g != qGreen(b) || a.b != qBlue(b))
                    ++differents;
                if (a.r + a.g + a.b == 0)
                    ++noirs;
            }
        EXPECT_EQ(differents, 0) << cas;
        EXPECT_LT(noirs, 160 * 214 / 2) << cas << " : image surtout noire";
        // autour de l'image : du noir
        if (z.left > 0)
        {
            EXPECT_EQ(vue.pixel(z.left / 2, z.top + 240) & 0xFFFFFF, 0u) << cas;
        }
    };
    verifier("x1");
    if (ecran->geometry().height() >= 2 * 480 + fenetre->menuBar()->height())
    {
        fenetre->DefinirFacteur(2);
        AppQt()->processEvents();
        verifier("x2");
        fenetre->DefinirFacteur(1);
    }
    fenetre->BasculerPleinEcran(true);
    AppQt()->processEvents();
    verifier("plein écran");
    fenetre->BasculerPleinEcran(false);
    AppQt()->processEvents();
}
