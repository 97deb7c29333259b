#pragma once

#include <QTimer>
#include <QWidget>

#include <SFML/Graphics/RenderWindow.hpp>

// Widget Qt qui est aussi une fenêtre de rendu SFML, repeinte par une minuterie.
class QtSFMLWindow : public QWidget, public sf::RenderWindow
{
public:
    QtSFMLWindow(QWidget* parent, const QPoint& position, const QSize& taille, unsigned int tempsFrame = 0);
    ~QtSFMLWindow() override = default;

    bool EstInitialise() const { return initialise; }

protected:
    virtual void Initialiser() {}
    virtual void Actualiser() {}

    QPaintEngine* paintEngine() const override;
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;

    QTimer minuterie;
    bool initialise;
};
