#include "shell/QtSFMLWindow.h"

#include "engine/SourceTemps.h"
#include "shell/TraducteurTouches.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <SFML/System/Sleep.hpp>

#include <cmath>

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
    if (!initialise)
        return;
    Actualiser();
    Montrer();
}

void QtSFMLWindow::Montrer()
{
    Presenter();
    AttendreEcheance();
    display();
}

void QtSFMLWindow::FixerLimiteCadence(unsigned int images)
{
    // la limite de SFML ajoute à chaque image le retard de son réveil : on tient la nôtre
    sf::RenderWindow::setFramerateLimit(0);
    periode = images > 0 ? sf::seconds(1.f / float(images)) : sf::Time::Zero;
    echeance = sf::Time::Zero;
}

void QtSFMLWindow::AttendreEcheance()
{
    // le temps d'essai n'avance pas tout seul : pas d'attente
    if (periode == sf::Time::Zero || SourceTemps::EstManuel())
        return;
    const sf::Time maintenant = SourceTemps::Maintenant();
    echeance += periode;
    if (echeance < maintenant - periode || echeance > maintenant + periode)
        echeance = maintenant;
    else if (echeance > maintenant)
        sf::sleep(echeance - maintenant);
}

void QtSFMLWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // la fenêtre SFML suit le widget tout de suite, sans attendre son propre événement ; elle
    // compte en pixels de l'écran, Qt en pixels logiques
    const qreal r = devicePixelRatioF();
    if (sf::RenderWindow::isOpen())
        sf::RenderWindow::setSize(sf::Vector2u(static_cast<unsigned>(std::lround(width() * r)),
                                               static_cast<unsigned>(std::lround(height() * r))));
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
    AjouterClic(*e, true);
}

void QtSFMLWindow::mouseReleaseEvent(QMouseEvent* e)
{
    AjouterClic(*e, false);
}

void QtSFMLWindow::AjouterClic(const QMouseEvent& e, bool appui)
{
    sf::Event s;
    if (!TraducteurTouches::Traduire(e, appui, s))
        return;
    // position dans l'image du jeu, d'après la vue de la fenêtre
    const qreal r = devicePixelRatioF();
    const sf::Vector2f p = mapPixelToCoords(sf::Vector2i(static_cast<int>(s.mouseButton.x * r),
                                                         static_cast<int>(s.mouseButton.y * r)));
    s.mouseButton.x = static_cast<int>(std::floor(p.x));
    s.mouseButton.y = static_cast<int>(std::floor(p.y));
    evenementsQt.push_back(s);
}
