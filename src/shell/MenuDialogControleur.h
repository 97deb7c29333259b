#pragma once

#include <QDialog>
#include <QString>

#include <SFML/Graphics/RenderWindow.hpp>

class QLineEdit;
class QTabWidget;

// Boîte de configuration : on appuie tour à tour sur les touches ou boutons des actions.
class MenuDialogControleur : public QDialog, public sf::RenderWindow
{
    Q_OBJECT

public:
    MenuDialogControleur(QWidget* parent, Qt::WindowFlags drapeaux);

    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

    // Capture d'un événement SFML (utilisé par event, et par les tests)
    void Capturer(const sf::Event& evenement);

    bool EnCapture() const { return capture; }
    int IndiceAction() const { return indiceAction; }
    QString TexteClavier() const;
    QString TexteManette() const;

public slots:
    void DefinirActionClavier();
    void DefinirActionManette();

private:
    void EnregistrerTouche(int touche);
    void EnregistrerBouton(unsigned int bouton);

    QString libelles[8];
    QTabWidget* onglets;
    QLineEdit* champClavier;
    QLineEdit* champManette;
    int indiceAction;
    bool capture;
    bool modeClavier;
};
