#include "screens/ArrierePlan.h"

#include "engine/GestionnaireTextures.h"

#include <SFML/Graphics/RenderTarget.hpp>

ArrierePlan::ArrierePlan()
{
    profondeur = 1.0e9f;
    image.setPosition(0.f, 0.f);
    image.setTexture(GestionnaireTextures::Instance()->Texture("data/png/accueil/ecran.png"), true);
}

void ArrierePlan::DefinirImage(const std::string& chemin)
{
    // la première image fixe le rectangle
    image.setTexture(GestionnaireTextures::Instance()->Texture(chemin), false);
}

void ArrierePlan::Animer()
{
}

void ArrierePlan::Dessiner(sf::RenderTarget& canvas)
{
    canvas.setView(canvas.getDefaultView());
    canvas.draw(image);
}
