#include "screens/Ecran.h"

#include "screens/Application.h"

int Ecran::ecranDemande = 0;

Ecran::Ecran(MyQtSFMLWindow* c) : canvas(c), application(nullptr), id(0)
{
}

Ecran::~Ecran()
{
    Arreter();
}

void Ecran::Arreter()
{
    delete application;
    application = nullptr;
}
