#pragma once

#include <QTimer>
#include <QWidget>

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <SFML/System/Time.hpp>

#include <deque>

// Widget Qt qui est aussi une fenêtre de rendu SFML, repeinte par une minuterie.
class QtSFMLWindow : public QWidget, public sf::RenderWindow
{
public:
    QtSFMLWindow(QWidget* parent, const QPoint& position, const QSize& taille, unsigned int tempsFrame = 0);
    ~QtSFMLWindow() override = default;

    bool EstInitialise() const { return initialise; }
    // Compose l'image de la fenêtre et l'affiche (après Actualiser), à l'échéance de la limite de cadence
    void Montrer();
    // Images par seconde au plus (0 : sans limite)
    void FixerLimiteCadence(unsigned int images);

    // Événements clavier et souris reçus par Qt, traduits pour le jeu
    std::deque<sf::Event>& EvenementsQt() { return evenementsQt; }

protected:
    virtual void Initialiser() {}
    virtual void Actualiser() {}
    // Après la frame, avant l'affichage : composer l'image de la fenêtre
    virtual void Presenter() {}

    QPaintEngine* paintEngine() const override;
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void AjouterClic(const QMouseEvent& e, bool appui);

    // Attend l'échéance de l'image suivante : les échéances sont régulières, une image en retard
    // n'y ajoute pas le sien (sauf retard de plus d'une période : on repart de maintenant)
    void AttendreEcheance();

    QTimer minuterie;
    bool initialise;
    sf::Time periode;
    sf::Time echeance;
    std::deque<sf::Event> evenementsQt;
};
