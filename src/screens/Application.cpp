#include "screens/Application.h"

Application::Application(MyQtSFMLWindow* c) : canvas(c), temps(0.f)
{
}

void Application::TraiterEvenement(const sf::Event&)
{
}
