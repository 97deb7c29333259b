#include "shell/MyQMainWindow.h"

#include "shell/MyQtSFMLWindow.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

MyQMainWindow::MyQMainWindow() : QMainWindow(nullptr)
{
    setWindowTitle("Vanto & Tormundo SFML");
    setWindowIcon(QIcon("data/ico/icone.png"));
    setFixedSize(640, 501);
    setFocusPolicy(Qt::NoFocus);

    canvas = new MyQtSFMLWindow(this, QPoint(0, 0), QSize(640, 480));
    // le canvas garde ses 640 × 480 quelle que soit la hauteur de la barre de menus
    canvas->setFixedSize(640, 480);
    setCentralWidget(canvas);
    canvas->setFocus();

    QMenu* fichier = menuBar()->addMenu("Fichier");
    QAction* redemarrer = fichier->addAction(QString::fromUtf8("Redémarrer"));
    redemarrer->setShortcut(QKeySequence("Ctrl+R"));
    connect(redemarrer, SIGNAL(triggered()), canvas, SLOT(Redemarrer()));
    QAction* pause = fichier->addAction("Mettre en pause");
    pause->setShortcut(QKeySequence("Ctrl+P"));
    pause->setCheckable(true);
    pause->setChecked(false);
    connect(pause, SIGNAL(toggled(bool)), canvas, SLOT(Interrompre(bool)));
    connect(canvas, SIGNAL(en_pause(bool)), pause, SLOT(setChecked(bool)));
    fichier->addSeparator();
    QAction* quitter = fichier->addAction("Quitter");
    quitter->setShortcut(QKeySequence("Ctrl+Q"));
    connect(quitter, SIGNAL(triggered()), qApp, SLOT(quit()));

    QMenu* video = menuBar()->addMenu(QString::fromUtf8("Vidéo"));
    QAction* synchro = video->addAction("Synchro verticale");
    synchro->setCheckable(true);
    synchro->setChecked(true);
    connect(synchro, SIGNAL(toggled(bool)), canvas, SLOT(ActiverSynchroVerticale(bool)));
    QAction* frequence = video->addAction("Frequence d'affichage");
    connect(frequence, SIGNAL(triggered()), canvas, SLOT(SetLimiteFramerate()));

    QMenu* audio = menuBar()->addMenu("Audio");
    QAction* desactiver = audio->addAction("Desactiver");
    desactiver->setCheckable(true);
    desactiver->setChecked(false);
    connect(desactiver, SIGNAL(toggled(bool)), canvas, SLOT(DesactiverSon(bool)));
    QAction* volumes = audio->addAction("Volumes");
    volumes->setShortcut(QKeySequence("Ctrl+V"));
    connect(volumes, SIGNAL(triggered()), canvas, SLOT(OuvrirMenuVolume()));

    QMenu* controleurs = menuBar()->addMenu(QString::fromUtf8("Contrôleurs"));
    actionClavier = controleurs->addAction("Clavier");
    actionClavier->setCheckable(true);
    actionClavier->setChecked(true);
    actionManette = controleurs->addAction("Manette");
    actionManette->setCheckable(true);
    actionManette->setChecked(false);
    connect(actionClavier, SIGNAL(triggered()), canvas, SLOT(ChoisirClavier()));
    connect(actionClavier, SIGNAL(triggered()), this, SLOT(ClavierChoisi()));
    connect(actionManette, SIGNAL(triggered()), canvas, SLOT(ChoisirManette()));
    connect(actionManette, SIGNAL(triggered()), this, SLOT(ManetteChoisie()));
    controleurs->addSeparator();
    QAction* configurer = controleurs->addAction("Configurer");
    configurer->setShortcut(QKeySequence("Ctrl+C"));
    connect(configurer, SIGNAL(triggered()), canvas, SLOT(OuvrirMenuControleur()));

    QMenu* aide = menuBar()->addMenu("Aide");
    QAction* aPropos = aide->addAction("A propos de Qt");
    connect(aPropos, SIGNAL(triggered()), qApp, SLOT(aboutQt()));
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
