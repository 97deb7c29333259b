#include "EssaiNiveau.h"

#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameOptions.h"
#include "game/LevelManager.h"
#include "game/LecteurNiveau.h"
#include "heroes/Heros.h"
#include "screens/Ecran.h"
#include "shell/MyQtSFMLWindow.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <QFile>
#include <QtEndian>

#include <memory>

namespace
{
const float DT = 1.f / 60.f;
const int ECRAN_JEU = 5;

// Petite cible de dessin : tout est dessiné, en peu de pixels
sf::RenderTexture& Cible()
{
    static std::unique_ptr<sf::RenderTexture> cible;
    if (!cible)
    {
        cible.reset(new sf::RenderTexture);
        cible->create(64, 48);
    }
    return *cible;
}
}

EssaiNiveau::Bilan EssaiNiveau::Jouer(const QByteArray& carte, const QString& dossier, int heros, int framesJeu)
{
    Bilan b;
    // le numéro de l'en-tête, s'il est plausible, nomme le fichier (sinon 1, et l'en-tête sera refusé)
    b.numero = 1;
    if (carte.size() >= 12)
    {
        const qint32 n = qFromLittleEndian<qint32>(carte.constData() + 8);
        if (n >= 1 && n <= LecteurNiveau::NUMERO_MAX)
            b.numero = n;
    }
    {
        QFile f(dossier + "/" + QString::number(b.numero) + ".map");
        if (!f.open(QIODevice::WriteOnly) || f.write(carte) != carte.size())
            return b;
    }
    const QString ancien = LevelManager::Dossier();
    LevelManager::FixerDossier(dossier + "/");
    SourceTemps::Manuel(true);
    const float dureeAvant = MyQtSFMLWindow::DureeFrame();
    MyQtSFMLWindow::DefinirDureeFrame(DT);
    GameOptions::Instance()->DefinirHerosChoisi(heros);
    GameOptions::Instance()->DefinirNiveauChoisi(b.numero);
    Ecran::DemanderEcran(ECRAN_JEU);
    sf::RenderTexture& cible = Cible();
    {
        AppGame app(nullptr);
        Heros* h = app.Moteur().HerosCourant();
        float tSaut = -10.f;
        // le chargement dure le temps du carton ; au-delà de 2 000 frames, quelque chose boucle
        for (int frame = 0; frame < 2000 && b.frames < framesJeu; ++frame)
        {
            if (Ecran::EcranDemande() != ECRAN_JEU)
            {
                b.titre = true;
                break;
            }
            const float t = frame * DT;
            const int etat = app.Scene().EtatScene();
            const bool chargement = etat == SCENE_SUIVANTE || etat == SCENE_RECOMMENCER || etat == SCENE_PRETE;
            if (!chargement && h && !h->CommandesBloquees())
            {
                // droite tenue, un saut tenu 0,3 s toutes les secondes, et un peu de gauche
                if (frame % 240 < 200)
                    h->Droite();
                else
                    h->Gauche();
                if (t - tSaut > 1.f)
                    tSaut = t;
                if (t - tSaut < 0.3f)
                    h->SautMaintenu();
                else
                    h->SautRelache();
            }
            app.temps += DT;
            app.Executer();
            if (chargement)
            {
                // pendant le chargement, seul le carton a besoin d'avancer : pas de dessin
                app.Chargeur().Rideau().Animer();
                MoteurGraphique::Instance()->Vider(false);
            }
            else
            {
                if (!b.joue)
                    b.elements = app.Scene().ComptesElements().ranges;
                b.joue = true;
                ++b.frames;
                cible.clear();
                MoteurGraphique::Instance()->Afficher(cible);
            }
            SourceTemps::Avancer(sf::seconds(DT));
        }
    }
    MoteurGraphique::Instance()->Vider(true);
    MoteurAudio::Instance()->ArreterTout();
    GameOptions::Instance()->DefinirNiveauChoisi(0);
    MyQtSFMLWindow::DefinirDureeFrame(dureeAvant);
    SourceTemps::Manuel(false);
    LevelManager::FixerDossier(ancien);
    QFile::remove(dossier + "/" + QString::number(b.numero) + ".map");
    return b;
}
