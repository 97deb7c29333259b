#pragma once

#include "game/Camera.h"
#include "game/GameEngine.h"
#include "game/IAEngine.h"
#include "game/LevelManager.h"
#include "game/SceneGraphique.h"
#include "screens/Application.h"

class GameInfos;

// Partie en cours : scène, caméra, moteurs et chargeur, dans un ordre fixe à chaque frame.
class AppGame : public Application
{
public:
    explicit AppGame(MyQtSFMLWindow* canvas);
    ~AppGame() override;
    void Executer() override;

    SceneGraphique& Scene() { return scene; }
    Camera& CameraJeu() { return camera; }
    GameEngine& Moteur() { return moteur; }
    LevelManager& Chargeur() { return chargeur; }
    const LevelManager& Chargeur() const { return chargeur; }

private:
    SceneGraphique scene;
    Camera camera;
    GameEngine moteur;
    IAEngine ia;
    GameInfos* infos; // affichage tête haute, pas encore là
    LevelManager chargeur;
};
