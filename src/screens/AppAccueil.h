#pragma once

#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "screens/Application.h"
#include "screens/ArrierePlan.h"
#include "screens/WMenuWidgets.h"

// Menu titre : « jouer », « personnage », « synopsis » et le code caché
// qui ouvre le choix du niveau.
class AppAccueil : public Application
{
public:
    explicit AppAccueil(MyQtSFMLWindow* canvas);
    void Executer() override;
    void TraiterEvenement(const sf::Event& evenement) override;

    // Le code caché : douze actions de direction (0 haut, 1 bas, 2 gauche, 3 droite)
    static const int code[12];

    int EtapeCode() const { return etapeCode; }
    const ArrierePlan& Fond() const { return fond; }
    const SceneGraphique& Scene() const { return scene; }
    const Camera& CameraAccueil() const { return camera; }
    const WMenuWidgets& Menu() const { return menu; }

private:
    // la scène de la zone 1 et sa caméra (décor défilant avec l'eau), avant le fond
    SceneGraphique scene;
    Camera camera;
    ArrierePlan fond;
    WMenuWidgets menu;
    int etapeCode;
};
