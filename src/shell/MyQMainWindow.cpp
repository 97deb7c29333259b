#include "shell/MyQMainWindow.h"

#include "shell/MyQtSFMLWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>

#include <algorithm>

MyQMainWindow::MyQMainWindow() : QMainWindow(nullptr), canvas(nullptr), facteur(1), pleinEcran(false)
{
    setWindowTitle("Vanto & Tormundo SFML");
    setWindowIcon(QIcon("data/ico/icone.png"));
    setFocusPolicy(Qt::NoFocus);

    // Le canvas ouvre le rendu graphique (long en rendu logiciel) : la fenêtre se montre d'abord
    // avec un fond noir à sa place, le canvas vient juste après (ou dès qu'on le demande)
    support = new QWidget(this);
    support->setAutoFillBackground(true);
    QPalette noir = support->palette();
    noir.setColor(QPalette::Window, Qt::black);
    support->setPalette(noir);
    setCentralWidget(support);

    QMenu* fichier = menuBar()->addMenu("Fichier");
    QAction* redemarrer = fichier->addAction(QString::fromUtf8("Redémarrer"));
    redemarrer->setShortcut(QKeySequence("Ctrl+R"));
    connect(redemarrer, &QAction::triggered, this, [this] { Canvas()->Redemarrer(); });
    QAction* pause = fichier->addAction("Mettre en pause");
    pause->setShortcut(QKeySequence("Ctrl+P"));
    pause->setCheckable(true);
    pause->setChecked(false);
    connect(pause, &QAction::toggled, this, [this](bool b) { Canvas()->Interrompre(b); });
    actionPause = pause;
    fichier->addSeparator();
    QAction* quitter = fichier->addAction("Quitter");
    quitter->setShortcut(QKeySequence("Ctrl+Q"));
    connect(quitter, SIGNAL(triggered()), qApp, SLOT(quit()));

    QMenu* video = menuBar()->addMenu(QString::fromUtf8("Vidéo"));
    QAction* synchro = video->addAction("Synchro verticale");
    synchro->setCheckable(true);
    synchro->setChecked(true);
    connect(synchro, &QAction::toggled, this, [this](bool b) { Canvas()->ActiverSynchroVerticale(b); });
    QAction* frequence = video->addAction("Frequence d'affichage");
    connect(frequence, &QAction::triggered, this, [this] { Canvas()->SetLimiteFramerate(); });
    video->addSeparator();
    QMenu* taille = video->addMenu("Taille");
    auto* groupe = new QActionGroup(this);
    for (int f = 1; f <= 4; ++f)
    {
        QAction* a = taille->addAction("x" + QString::number(f));
        a->setCheckable(true);
        a->setChecked(f == 1);
        groupe->addAction(a);
        connect(a, &QAction::triggered, this, [this, f] { DefinirFacteur(f); });
        actionsTaille[f - 1] = a;
    }
    actionPleinEcran = video->addAction(QString::fromUtf8("Plein écran"));
    actionPleinEcran->setShortcut(QKeySequence("F11"));
    actionPleinEcran->setCheckable(true);
    connect(actionPleinEcran, SIGNAL(toggled(bool)), this, SLOT(BasculerPleinEcran(bool)));

    QMenu* audio = menuBar()->addMenu("Audio");
    QAction* desactiver = audio->addAction("Desactiver");
    desactiver->setCheckable(true);
    desactiver->setChecked(false);
    connect(desactiver, &QAction::toggled, this, [this](bool b) { Canvas()->DesactiverSon(b); });
    QAction* volumes = audio->addAction("Volumes");
    volumes->setShortcut(QKeySequence("Ctrl+V"));
    connect(volumes, &QAction::triggered, this, [this] { Canvas()->OuvrirMenuVolume(); });

    QMenu* controleurs = menuBar()->addMenu(QString::fromUtf8("Contrôleurs"));
    actionClavier = controleurs->addAction("Clavier");
    actionClavier->setCheckable(true);
    actionClavier->setChecked(true);
    actionManette = controleurs->addAction("Manette");
    actionManette->setCheckable(true);
    actionManette->setChecked(false);
    connect(actionClavier, &QAction::triggered, this, [this] { Canvas()->ChoisirClavier(); });
    connect(actionClavier, SIGNAL(triggered()), this, SLOT(ClavierChoisi()));
    connect(actionManette, &QAction::triggered, this, [this] { Canvas()->ChoisirManette(); });
    connect(actionManette, SIGNAL(triggered()), this, SLOT(ManetteChoisie()));
    controleurs->addSeparator();
    QAction* configurer = controleurs->addAction("Configurer");
    configurer->setShortcut(QKeySequence("Ctrl+C"));
    connect(configurer, &QAction::triggered, this, [this] { Canvas()->OuvrirMenuControleur(); });

    QMenu* aide = menuBar()->addMenu("Aide");
    QAction* aPropos = aide->addAction("A propos de Qt");
    connect(aPropos, SIGNAL(triggered()), qApp, SLOT(aboutQt()));

    // les raccourcis restent actifs quand la barre de menus est cachée (plein écran)
    addActions({redemarrer, pause, quitter, actionPleinEcran, volumes, configurer});
    AjusterTaille();
}

int MyQMainWindow::HauteurBarre(int largeur) const
{
    // la hauteur que la mise en page donnera à la barre pour cette largeur
    QMenuBar* barre = menuBar();
    barre->ensurePolished();
    int h = barre->heightForWidth(std::max(largeur, barre->minimumWidth()));
    if (h < 0)
        h = barre->sizeHint().height();
    return std::max(h, barre->minimumSizeHint().height());
}

MyQtSFMLWindow* MyQMainWindow::Canvas()
{
    if (!canvas)
        CreerCanvas();
    return canvas;
}

QWidget* MyQMainWindow::Centre() const
{
    return canvas ? static_cast<QWidget*>(canvas) : support;
}

void MyQMainWindow::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!canvas)
        QMetaObject::invokeMethod(this, [this] { Canvas(); }, Qt::QueuedConnection);
}

void MyQMainWindow::CreerCanvas()
{
    const QSize taille = support->size();
    canvas = new MyQtSFMLWindow(this, QPoint(0, 0), QSize(MyQtSFMLWindow::LARGEUR, MyQtSFMLWindow::HAUTEUR));
    connect(canvas, SIGNAL(en_pause(bool)), actionPause, SLOT(setChecked(bool)));
    canvas->setFixedSize(pleinEcran ? taille
                                    : QSize(MyQtSFMLWindow::LARGEUR * facteur, MyQtSFMLWindow::HAUTEUR * facteur));
    setCentralWidget(canvas); // le fond noir s'en va
    support = nullptr;
    if (isVisible())
        canvas->show();
    canvas->setFocus();
}

void MyQMainWindow::AjusterTaille()
{
    const QSize image(MyQtSFMLWindow::LARGEUR * facteur, MyQtSFMLWindow::HAUTEUR * facteur);
    Centre()->setFixedSize(image);
    setFixedSize(image.width(), image.height() + HauteurBarre(image.width()));
}

void MyQMainWindow::DefinirFacteur(int f)
{
    facteur = std::max(1, std::min(4, f));
    actionsTaille[facteur - 1]->setChecked(true);
    if (!pleinEcran)
        AjusterTaille();
}

void MyQMainWindow::BasculerPleinEcran(bool plein)
{
    if (plein == pleinEcran)
        return;
    pleinEcran = plein;
    actionPleinEcran->setChecked(plein);
    if (plein)
    {
        positionFenetre = pos();
        const QRect ecran = screen()->geometry();
        menuBar()->hide();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        Centre()->setFixedSize(ecran.size());
        setWindowState(windowState() | Qt::WindowFullScreen);
        // sans gestionnaire de fenêtres, l'état seul ne suffit pas
        setGeometry(ecran);
    }
    else
    {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        menuBar()->show();
        AjusterTaille();
        move(positionFenetre);
    }
    Centre()->setFocus();
}

// Les coches suivent toujours le contrôleur choisi, même si l'on reclique sur l'actif
void MyQMainWindow::ClavierChoisi()
{
    actionClavier->setChecked(true);
    actionManette->setChecked(false);
}

void MyQMainWindow::ManetteChoisie()
{
    actionManette->setChecked(true);
    actionClavier->setChecked(false);
}
