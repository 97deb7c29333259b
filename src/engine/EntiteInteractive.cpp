#include "engine/EntiteInteractive.h"

#include "engine/MoteurInteractif.h"

EntiteInteractive::EntiteInteractive()
{
    MoteurInteractif::Instance()->Ajouter(this);
}

EntiteInteractive::~EntiteInteractive()
{
    MoteurInteractif::Instance()->Retirer(this);
}

void EntiteInteractive::MettreAJour(sf::RenderWindow&)
{
}
