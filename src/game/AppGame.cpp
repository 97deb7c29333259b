#include "game/AppGame.h"

#include "engine/MoteurGraphique.h"
#include "game/GameOptions.h"
#include "shell/MyQtSFMLWindow.h"

AppGame::AppGame(MyQtSFMLWindow* c)
    : Application(c), scene(), camera(c), moteur(&scene), ia(), infos(&scene), chargeur(&scene, &moteur, &ia, &infos)
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.01f);
    camera.Lier(&scene);
    chargeur.FixerCamera(&camera);
    infos.FixerHeros(moteur.CreerHeros());
}

AppGame::~AppGame()
{
    // les éléments partent avant la caméra et les moteurs
    scene.Vider();
    GameEngine::ViderListes();
}

void AppGame::Executer()
{
    MoteurGraphique::Instance()->Vider(false);
    GameOptions* options = GameOptions::Instance();
    // le niveau choisi (liste des niveaux, portail) est pris au moment de charger : un portail
    // le fixe dès son contact, l'acte en cours peut encore recommencer d'ici là
    if (options->NiveauChoisi() != 0 && scene.EtatScene() == SCENE_SUIVANTE && chargeur.Etape() == 0)
    {
        chargeur.ChoisirNiveau(options->NiveauChoisi());
        options->DefinirNiveauChoisi(0);
    }
    if (scene.EtatScene() == SCENE_SUIVANTE || scene.EtatScene() == SCENE_RECOMMENCER)
    {
        chargeur.Charger();
        temps = 0.f;
    }
    ia.Penser();
    moteur.Etape(canvas);
    camera.Actualiser();
    scene.ActiverElementsVisibles();
    infos.FixerTemps(temps);
}
