#pragma once

#include "screens/Application.h"
#include "screens/ArrierePlan.h"
#include "screens/Texte.h"

#include <string>

// Mentions et crédits ; un clic ou une touche relâchée ramène au titre.
class AppCredits : public Application
{
public:
    explicit AppCredits(MyQtSFMLWindow* canvas);
    void Executer() override;
    void TraiterEvenement(const sf::Event& evenement) override;

    static std::string Mentions();
    const Texte& Contenu() const { return texte; }

private:
    ArrierePlan fond;
    Texte texte;
};
