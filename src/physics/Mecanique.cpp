#include "physics/Mecanique.h"

Mecanique::Mecanique(CercleMecanique* parent_, CercleMecanique* enfant_)
    : parent(parent_), enfant(enfant_), moteur(false)
{
}

Mecanique::~Mecanique()
{
}
