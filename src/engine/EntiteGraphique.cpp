#include "engine/EntiteGraphique.h"

#include "engine/MoteurGraphique.h"

EntiteGraphique::EntiteGraphique() : profondeur(0.f)
{
    MoteurGraphique::Instance()->Ajouter(this);
}

EntiteGraphique::~EntiteGraphique()
{
    MoteurGraphique::Instance()->Retirer(this);
    MoteurGraphique::Instance()->RetirerPermanent(this);
}
