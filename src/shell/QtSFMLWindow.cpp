#include "shell/QtSFMLWindow.h"

#include "shell/TraducteurTouches.h"

#include <QKeyEvent>
#include <QMouseEvent>

QtSFMLWindow::QtSFMLWindow(QWidget* parent, const QPoint& position, const QSize& taille, unsigned int tempsFrame)
    : QWidget(parent), sf::RenderWindow(), initialise(false)
{
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    move(position);
    resize(taille);
    minuterie.setInterval(static_cast<int>(tempsFrame));
}

QPaintEngine* QtSFMLWindow::paintEngine() const
{
    return nullptr;
}

void QtSFMLWindow::showEvent(QShowEvent*)
{
    if (initialise)
        return;
    sf::RenderWindow::create(static_cast<sf::WindowHandle>(winId()), sf::ContextSettings(0, 0, 0, 2, 0));
    Initialiser();
    connect(&minuterie, SIGNAL(timeout()), this, SLOT(repaint()));
    minuterie.start();
    initialise = true;
}

void QtSFMLWindow::paintEvent(QPaintEvent*)
{
    Actualiser();
    display();
}

void QtSFMLWindow::keyPressEvent(QKeyEvent* e)
{
    sf::Event s;
    if (TraducteurTouches::Traduire(*e, true, s))
        evenementsQt.push_back(s);
}

void QtSFMLWindow::keyReleaseEvent(QKeyEvent* e)
{
    sf::Event s;
    if (TraducteurTouches::Traduire(*e, false, s))
        evenementsQt.push_back(s);
}

void QtSFMLWindow::mousePressEvent(QMouseEvent* e)
{
    sf::Event s;
    if (TraducteurTouches::Traduire(*e, true, s))
        evenementsQt.push_back(s);
}

void QtSFMLWindow::mouseReleaseEvent(QMouseEvent* e)
{
    sf::Event s;
    if (TraducteurTouches::Traduire(*e, false, s))
        evenementsQt.push_back(s);
}
