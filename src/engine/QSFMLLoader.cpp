#include "engine/QSFMLLoader.h"

// Version provisoire : ne charge rien, marque seulement le chargement fait.
QSFMLLoader::QSFMLLoader(MyQtSFMLWindow* c) : canvas(c), charge(false)
{
}

void QSFMLLoader::Charger()
{
    (void)canvas;
    charge = true;
}
