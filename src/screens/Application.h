#pragma once

#include "engine/EntiteInteractive.h"
#include "screens/Fondu.h"

class MyQtSFMLWindow;

// Un état de l'application : possède tout ce qu'il montre.
class Application : public EntiteInteractive
{
public:
    explicit Application(MyQtSFMLWindow* canvas);
    ~Application() override = default;

    void TraiterEvenement(const sf::Event& evenement) override;
    virtual void Executer() = 0;

    MyQtSFMLWindow* canvas;
    float temps;

protected:
    Fondu fondu;
};
