#include "physics/Force.h"

#include <cmath>

Force::Force() : acceleration(0.f), norme(0.f), angle(0.0), x(0.f), y(0.f)
{
}

Force::~Force()
{
}

void Force::VersComposantes()
{
    x = float(std::cos(angle) * norme);
    y = float(-std::sin(angle) * norme);
}

void Force::VersPolaire()
{
    angle = std::atan2(-double(y), double(x));
    norme = std::sqrt(x * x + y * y);
}

void Force::Annuler()
{
    acceleration = 0.f;
    norme = 0.f;
    x = 0.f;
    y = 0.f;
}
