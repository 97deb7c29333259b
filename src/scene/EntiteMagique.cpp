#include "scene/EntiteMagique.h"

EntiteMagique::EntiteMagique() : marqueMagie(1), portee(64.f)
{
}

EntiteMagique::~EntiteMagique()
{
}
