#include "shell/MenuDialogControleur.h"

#include "engine/GestionnaireControleurs.h"
#include "shell/TraducteurTouches.h"

#include <QEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <SFML/Window/Event.hpp>

MenuDialogControleur::MenuDialogControleur(QWidget* parent, Qt::WindowFlags drapeaux)
    : QDialog(parent, drapeaux), indiceAction(0), capture(false), modeClavier(true)
{
    const char* noms[8] = {"HAUT", "BAS", "GAUCHE", "DROITE", "ACTION 1", "ACTION 2", "ACTION 3", "ENTRER"};
    for (int i = 0; i < 8; ++i)
        libelles[i] = noms[i];

    sf::RenderWindow::create(static_cast<sf::WindowHandle>(winId()), sf::ContextSettings(0, 0, 0, 2, 0));
    setFocusPolicy(Qt::StrongFocus);
    setKeyRepeatEnabled(false);

    setFixedSize(400, 200);
    setWindowTitle(QString::fromUtf8("Configuration contrôleurs"));

    auto* vertical = new QVBoxLayout(this);
    onglets = new QTabWidget(this);
    vertical->addWidget(onglets);
    auto* ligneOk = new QHBoxLayout();
    auto* ok = new QPushButton("OK", this);
    ok->setFixedSize(80, 25);
    ligneOk->addWidget(ok, 0, Qt::AlignHCenter);
    vertical->addLayout(ligneOk);
    connect(ok, SIGNAL(clicked()), this, SLOT(close()));

    auto construireOnglet = [this](QLineEdit*& champ, const char* slot) {
        auto* page = new QWidget(onglets);
        auto* ligne = new QHBoxLayout(page);
        ligne->setSpacing(100);
        champ = new QLineEdit(page);
        champ->setReadOnly(true);
        champ->setFixedWidth(150);
        auto* definir = new QPushButton(QString::fromUtf8("Définir"), page);
        definir->setFixedSize(100, 25);
        definir->setFocusPolicy(Qt::NoFocus);
        ligne->addWidget(champ);
        ligne->addWidget(definir);
        connect(definir, SIGNAL(clicked()), this, slot);
        return page;
    };
    onglets->addTab(construireOnglet(champClavier, SLOT(DefinirActionClavier())), "Clavier");
    onglets->addTab(construireOnglet(champManette, SLOT(DefinirActionManette())), "Manette");
    // le widget qui a le focus (onglets, champ, bouton) ne doit pas garder les touches capturées
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

QString MenuDialogControleur::TexteClavier() const
{
    return champClavier->text();
}

QString MenuDialogControleur::TexteManette() const
{
    return champManette->text();
}

void MenuDialogControleur::DefinirActionClavier()
{
    modeClavier = true;
    capture = true;
    indiceAction = 0;
    champClavier->setText(libelles[0]);
    champManette->clear();
}

void MenuDialogControleur::DefinirActionManette()
{
    modeClavier = false;
    capture = true;
    indiceAction = 4;
    champManette->setText(libelles[4]);
    champClavier->clear();
}

bool MenuDialogControleur::event(QEvent* evenement)
{
    if (!capture || evenement->type() != QEvent::KeyPress)
        QDialog::event(evenement);
    else
    {
        // Pendant une capture, les touches Qt sont avalées et enregistrées
        sf::Event e;
        if (TraducteurTouches::Traduire(*static_cast<QKeyEvent*>(evenement), true, e))
            Capturer(e);
    }
    // Les boutons de manette arrivent par la fenêtre SFML
    if (sf::RenderWindow::isOpen())
    {
        sf::Event e;
        if (pollEvent(e))
            Capturer(e);
    }
    return false;
}

bool MenuDialogControleur::eventFilter(QObject* objet, QEvent* evenement)
{
    if (capture && evenement->type() == QEvent::KeyPress)
    {
        event(evenement);
        return true;
    }
    return QDialog::eventFilter(objet, evenement);
}

void MenuDialogControleur::Capturer(const sf::Event& e)
{
    if (!capture)
        return;
    if (modeClavier && e.type == sf::Event::KeyPressed)
        EnregistrerTouche(e.key.code);
    else if (!modeClavier && e.type == sf::Event::JoystickButtonPressed)
        EnregistrerBouton(e.joystickButton.button);
}

void MenuDialogControleur::EnregistrerTouche(int touche)
{
    if (indiceAction >= 8)
    {
        capture = false;
        return;
    }
    GestionnaireControleurs::Instance()->DefinirTouche(indiceAction, touche);
    ++indiceAction;
    champClavier->setText(indiceAction > 7 ? QString("Clavier OK") : libelles[indiceAction]);
}

void MenuDialogControleur::EnregistrerBouton(unsigned int bouton)
{
    if (indiceAction >= 8)
    {
        capture = false;
        return;
    }
    GestionnaireControleurs::Instance()->DefinirBouton(indiceAction - 4, bouton);
    ++indiceAction;
    champManette->setText(indiceAction > 7 ? QString("Manette OK") : libelles[indiceAction]);
}
