#pragma once

#include "screens/Application.h"
#include "screens/ArrierePlan.h"
#include "screens/Texte.h"

#include <string>

// L'histoire du jeu ; un clic ou une touche relâchée ramène au titre.
class AppSynopsis : public Application
{
public:
    explicit AppSynopsis(MyQtSFMLWindow* canvas);
    void Executer() override;
    void TraiterEvenement(const sf::Event& evenement) override;

    // Le texte complet, 28 lignes encadrées
    static std::string Histoire();
    const Texte& Contenu() const { return texte; }

private:
    ArrierePlan fond;
    Texte texte;
};
