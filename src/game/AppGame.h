#pragma once

#include "game/Camera.h"
#include "game/GameEngine.h"
#include "game/GameInfos.h"
#include "game/IAEngine.h"
#include "game/LevelManager.h"
#include "game/SceneGraphique.h"
#include "screens/Application.h"

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
    GameInfos& Infos() { return infos; }
    const LevelManager& Chargeur() const { return chargeur; }

private:
    SceneGraphique scene;
    Camera camera;
    GameEngine moteur;
    IAEngine ia;
    GameInfos infos;
    LevelManager chargeur;
};
