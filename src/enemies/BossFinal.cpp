#include "enemies/BossFinal.h"

#include "enemies/BossFinal_AvantBras.h"
#include "enemies/BossFinal_Botte.h"
#include "enemies/BossFinal_Bras.h"
#include "enemies/BossFinal_Epaule.h"
#include "enemies/BossFinal_Genou.h"
#include "enemies/BossFinal_Reacteur.h"
#include "enemies/BossFinal_Tete.h"
#include "enemies/Malvek.h"
#include "enemies/Viseur.h"
#include "enemies/ZubBombe.h"
#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/FeuArtifice.h"
#include "objects/FinZone.h"
#include "scene/Sprite.h"

#include <algorithm>
#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

void Son(const char* chemin)
{
    GestionnaireAudio::Instance()->JouerSon(chemin);
}
} // namespace

BossFinal::BossFinal(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_, const std::vector<float>&)
    : CercleMecanique(scene_, p, profondeur_), pointsDeVie(POINTS_DE_VIE), compteurActions(0), milieuArene(640.f),
      profondeurBase(profondeur_), reacteur(nullptr), tete(nullptr), epaule(nullptr), genou1(nullptr),
      genou2(nullptr), bras1(nullptr), bras2(nullptr), viseur(nullptr), pilote(nullptr), areneFermee(false)
{
    drapeauCercle = false;
    rayon = 72.f;
    masse = 200.f;
    versLaDroite = true;
    AjouterSprite(new Sprite(IMAGE, 320, 144, sf::Vector2f(160.f, 72.f)));
    sprites[0]->FixerCadre(64, 0);
    // l'arène finit contre son dos : le héros ne passe pas derrière lui avant le combat
    if (scene && std::fabs(p.x) < 1e6f)
        scene->FixerLimiteDroite(int(p.x + 96.f));
    // le milieu de l'arène : celui des 1280 derniers pixels du niveau (640 s'il n'en a pas plus)
    if (scene && scene->LimiteDroite() > 1280)
        milieuArene = float(scene->LimiteDroite()) - 640.f;

    const float d = profondeurBase;
    reacteur = new BossFinal_Reacteur(scene, this, d - 4.f);
    tete = new BossFinal_Tete(scene, this, d - 2.f);
    genou1 = new BossFinal_Genou(scene, this, d + 1.f, d + 2.f);
    genou2 = new BossFinal_Genou(scene, this, d - 2.f, d - 1.f);
    epaule = new BossFinal_Epaule(scene, this, d + 4.f);
    bras1 = new BossFinal_Bras(scene, this, d + 1.f, d + 3.f);
    bras2 = new BossFinal_Bras(scene, this, d - 1.f, d - 3.f);
    CercleMecanique* membres[] = {reacteur, tete, genou1, genou2, epaule, bras1, bras2};
    for (CercleMecanique* m : membres)
    {
        m->UtiliserDecalage(true);
        m->SuivreAncre();
    }
    // chacun est confié à la scène, botte et avant-bras avant leur porteur ; un morceau refusé
    // est détruit et son destructeur efface son pointeur ici
    Confier(reacteur);
    Confier(tete);
    Confier(genou1->Botte());
    Confier(genou1);
    Confier(genou2 ? genou2->Botte() : nullptr);
    Confier(genou2);
    Confier(epaule);
    Confier(bras1->AvantBras());
    Confier(bras1);
    Confier(bras2 ? bras2->AvantBras() : nullptr);
    Confier(bras2);
    viseur = new Viseur(scene, position);
    viseur->corps = this;
    Confier(viseur);
}

BossFinal::~BossFinal()
{
    // les morceaux survivants ne gardent ni lien ni support vers ce corps
    auto Lacher = [this](CercleMecanique* m) {
        if (!m)
            return;
        if (m->Parent() == this)
            m->FixerParent(nullptr);
        if (m->support == &forceMoteur)
            m->support = &m->forcePropre;
        if (m->Ancre() == &position)
            m->FixerAncre(&m->position);
    };
    if (reacteur)
        reacteur->corps = nullptr, Lacher(reacteur);
    if (tete)
        tete->corps = nullptr, Lacher(tete);
    if (epaule)
        epaule->corps = nullptr, Lacher(epaule);
    for (BossFinal_Genou* g : {genou1, genou2})
        if (g)
        {
            if (BossFinal_Botte* b = g->Botte())
                b->corps = nullptr, Lacher(b);
            g->corps = nullptr;
            Lacher(g);
        }
    for (BossFinal_Bras* br : {bras1, bras2})
        if (br)
        {
            if (BossFinal_AvantBras* a = br->AvantBras())
                a->corps = nullptr, Lacher(a);
            br->corps = nullptr;
            Lacher(br);
        }
    if (viseur)
        viseur->corps = nullptr;
    if (pilote)
        pilote->corps = nullptr;
    for (ZubBombe* z : bombes)
        z->corps = nullptr;
}

bool BossFinal::Menace(const BossFinal* corps)
{
    return !corps || corps->etat != VAINCU;
}

void BossFinal::Oublier(const void* m)
{
    if (!m)
        return;
    if (m == reacteur)
        reacteur = nullptr;
    if (m == tete)
        tete = nullptr;
    if (m == epaule)
        epaule = nullptr;
    if (m == genou1)
        genou1 = nullptr;
    if (m == genou2)
        genou2 = nullptr;
    if (m == bras1)
        bras1 = nullptr;
    if (m == bras2)
        bras2 = nullptr;
    if (m == viseur)
        viseur = nullptr;
    if (m == pilote)
        pilote = nullptr;
    bombes.erase(std::remove(bombes.begin(), bombes.end(), m), bombes.end());
}

bool BossFinal::Confier(ElementScenique* element)
{
    if (!element)
        return false;
    if (scene)
        return scene->AjouterElement(element);
    delete element;
    return false;
}

double BossFinal::Miroir(double angle) const
{
    return versLaDroite ? angle : PI - angle;
}

BossFinal_Botte* BossFinal::Botte(const BossFinal_Genou* genou) const
{
    return genou ? genou->Botte() : nullptr;
}

BossFinal_AvantBras* BossFinal::AvantBras(const BossFinal_Bras* bras) const
{
    return bras ? bras->AvantBras() : nullptr;
}

void BossFinal::ValiderDeplacement()
{
    CercleMecanique::ValiderDeplacement();
    // la silhouette attachée suit le corps dans la même frame
    CercleMecanique* membres[] = {reacteur, tete, epaule, genou1, genou2, bras1, bras2};
    for (CercleMecanique* m : membres)
        if (m)
            m->SuivreAncre();
}

void BossFinal::Commencer()
{
    if (sf::Music* m = GestionnaireAudio::Instance()->Musique(MUSIQUE, true))
        MoteurAudio::Instance()->JouerMusique(m);
}

void BossFinal::ToucherHeros(Heros* heros)
{
    if (!heros || etat == VAINCU || drapeauCercle)
        return;
    if (!heros->EstDangereux(this))
    {
        heros->Blesser(0);
        return;
    }
    if (pointsDeVie < 1)
        ChangerEtat(VAINCU);
    else
    {
        Son("data/ogg/sounds/pouf.ogg");
        drapeauCercle = true;
        horloge3.restart();
        pointsDeVie -= 1;
    }
    // au sol comme en l'air, le héros rebondit
    heros->Rebrousser();
}

bool BossFinal::EstDangereux(const EntitePhysique*)
{
    return false;
}

void BossFinal::Entrainer()
{
    if (moteur)
        return;
    forceMoteur.Annuler();
    // vaincu, il ne suit plus une botte qui finirait son pas
    if (etat == VAINCU)
        return;
    BossFinal_Botte* b = Botte(genou1);
    if (!b || !b->Moteur())
        b = Botte(genou2);
    if (b && b->Moteur())
    {
        forceMoteur.x = 0.5f * b->forceMoteur.x;
        forceMoteur.y = 0.6f * b->forceMoteur.y;
    }
    forceMoteur.VersPolaire();
}

void BossFinal::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (drapeauCercle)
    {
        const float t = horloge.getElapsedTime().asSeconds();
        if (t > 0.2f)
        {
            sprites[0]->FixerCadre(64, 0);
            horloge.restart();
        }
        else if (t > 0.1f)
            sprites[0]->FixerCadre(64, 320);
        if (horloge3.getElapsedTime().asSeconds() > 1.f)
            drapeauCercle = false;
    }
    else
        sprites[0]->FixerCadre(64, 0);
}

void BossFinal::Detacher(bool avecBras)
{
    for (CercleMecanique* m : {static_cast<CercleMecanique*>(genou1), static_cast<CercleMecanique*>(genou2)})
        if (m)
            m->UtiliserDecalage(false);
    if (avecBras)
        for (CercleMecanique* m : {static_cast<CercleMecanique*>(bras1), static_cast<CercleMecanique*>(bras2)})
            if (m)
                m->UtiliserDecalage(false);
}

void BossFinal::Attacher()
{
    CercleMecanique* membres[] = {genou1, genou2, bras1, bras2};
    for (CercleMecanique* m : membres)
        if (m)
        {
            m->UtiliserDecalage(true);
            m->SuivreAncre();
        }
}

void BossFinal::ReinitialiserMembres()
{
    CercleMecanique* membres[] = {genou1, genou2, bras1, bras2};
    for (CercleMecanique* m : membres)
        if (m)
            m->ReinitialiserForces();
}

void BossFinal::Relacher()
{
    moteur = false;
    ReinitialiserForces();
    forceGravite.acceleration = 0.f;
    ReinitialiserMembres();
}

bool BossFinal::HerosArrive()
{
    if (areneFermee)
        return true;
    Camera* camera = scene ? scene->CameraScene() : nullptr;
    if (!camera)
        return true;
    if (camera->Vue().getCenter().x != float(scene->LimiteDroite() - 320))
        return false;
    // la vue se ferme sur l'écran du combat, le robot y fait face au milieu
    areneFermee = true;
    scene->FixerLimiteGauche(scene->LimiteDroite() - 640);
    milieuArene = float(scene->LimiteGauche()) + 320.f;
    return true;
}

void BossFinal::Penser()
{
    const float t = horloge2.getElapsedTime().asSeconds();
    auto EtatDe = [](const ElementScenique* e) { return e ? e->Etat() : -1; };
    auto Pas = [](int e) { return e == 49 || e == 56; };
    auto Changer = [](ElementScenique* e, int n) {
        if (e)
            e->ChangerEtat(n);
    };
    switch (etat)
    {
    case ATTENTE:
        // l'attente ne compte qu'une fois le héros dans l'arène
        if (!HerosArrive())
            horloge2.restart();
        else if (t > 5.f)
        {
            ChangerEtat(OUVERTURE);
            Commencer();
        }
        break;
    case OUVERTURE:
        if (!tete || tete->Etat() == PILOTE)
            ChangerEtat(PILOTE);
        break;
    case PILOTE:
        if (t > 3.f)
            ChangerEtat(FERMETURE);
        break;
    case FERMETURE:
        if (!tete || tete->Etat() == PAUSE)
            ChangerEtat(PAUSE);
        break;
    case PAUSE:
        if (t > 2.f)
            ChangerEtat(MARCHE);
        break;
    case MARCHE:
        if (Pas(EtatDe(genou1)))
        {
            Changer(genou2, 50);
            Changer(genou1, 0);
            Changer(bras1, MARCHE);
            Changer(bras2, RECUL);
            compteurActions += 1;
            horloge2.restart();
        }
        else if (Pas(EtatDe(genou2)))
        {
            if (compteurActions >= 1)
            {
                if (t > 3.f)
                    ChangerEtat(RECUL);
            }
            else
            {
                Changer(genou1, 50);
                Changer(genou2, 0);
                Changer(bras1, RECUL);
                Changer(bras2, MARCHE);
                compteurActions += 1;
                horloge2.restart();
            }
        }
        break;
    case RECUL:
        if (EtatDe(genou2) == 63)
        {
            Changer(genou1, 0);
            Changer(genou2, 0);
            Changer(bras1, 0);
            Changer(bras2, 0);
            horloge2.restart();
        }
        else if (EtatDe(genou1) <= 0 && EtatDe(genou2) <= 0 && t > 2.f)
            ChangerEtat(SAUT);
        break;
    case SAUT:
        if (positionElement.y - 480.f - 48.f > position.y)
            ChangerEtat(SUSPENDU);
        break;
    case SUSPENDU:
        if (t > 0.5f)
            ChangerEtat(VISEE);
        break;
    case VISEE:
        if (!viseur || viseur->Etat() == Viseur::PRET)
            ChangerEtat(CHUTE);
        break;
    case CHUTE:
    {
        BossFinal_Botte* b = Botte(genou1);
        if (!b)
            b = Botte(genou2);
        if (!b || b->sol)
            ChangerEtat(AMORTI);
        break;
    }
    case AMORTI:
    case RELEVE:
    {
        const float avance = forceMoteur.acceleration / masse * dtCourant;
        const bool revenu = versLaDroite ? (forceMoteur.x > 0.f && position.x + avance > positionElement.x)
                                         : (forceMoteur.x < 0.f && position.x - avance < positionElement.x);
        if (revenu)
            ChangerEtat(etat == AMORTI ? DEBOUT : DEBOUT_RELEVE);
        break;
    }
    case DEBOUT:
        if (t > 2.f)
            ChangerEtat(REGARD);
        break;
    case REGARD:
        if (t > 0.5f)
        {
            const float cible = viseur ? viseur->position.x : position.x;
            const bool devant = versLaDroite ? cible < position.x : cible > position.x;
            ChangerEtat(devant ? FENTE : BOMBES);
        }
        break;
    case FENTE:
        if (std::fabs(position.x - positionElement.x) > 68.f)
            ChangerEtat(DEBOUT_FENTE);
        break;
    case DEBOUT_FENTE:
        if (t > 1.f)
            ChangerEtat(POING_AVANT);
        break;
    case POING_AVANT:
    case POING_ARRIERE:
    {
        BossFinal_AvantBras* a = AvantBras(etat == POING_AVANT ? bras1 : bras2);
        if (a && a->Moteur())
            horloge2.restart();
        else if (t > 1.f)
            ChangerEtat(etat == POING_AVANT ? POING_ARRIERE : RELEVE);
        break;
    }
    case DEBOUT_RELEVE:
        if (t > 1.f)
            ChangerEtat(MARCHE);
        break;
    case BOMBES:
        if (t > 1.5f)
        {
            if (compteurActions >= 3)
            {
                ChangerEtat(SAUT);
                break;
            }
            const double ecarts[] = {PI / 20.0, PI / 8.0, PI / 4.0};
            double d = ecarts[compteurActions];
            if (!versLaDroite)
                d = -d;
            const sf::Vector2f jet = reacteur ? reacteur->position
                                              : position + sf::Vector2f(versLaDroite ? 112.f : -112.f, 24.f);
            ZubBombe* z = new ZubBombe(scene, sf::Vector2f(jet.x, jet.y - 96.f), PI / 2.0 - d);
            z->corps = this;
            bombes.push_back(z);
            Confier(z);
            compteurActions += 1;
            horloge2.restart();
        }
        break;
    default:
        break;
    }
}

void BossFinal::ChangerEtat(int e)
{
    CercleMecanique::ChangerEtat(e);
    compteurActions = 0;
    switch (e)
    {
    case ATTENTE:
    case REGARD:
    case DEBOUT:
    case DEBOUT_FENTE:
    case DEBOUT_RELEVE:
    case BOMBES:
        Relacher();
        break;
    case VAINCU:
    {
        // il s'arrête là où le coup l'a pris, membres compris, quel que soit son mouvement
        Relacher();
        for (CercleMecanique* m : {static_cast<CercleMecanique*>(genou1), static_cast<CercleMecanique*>(genou2),
                                   static_cast<CercleMecanique*>(bras1), static_cast<CercleMecanique*>(bras2)})
            if (m)
                m->ChangerEtat(0);
        for (BossFinal_Botte* b : {Botte(genou1), Botte(genou2)})
            if (b)
            {
                b->FixerMoteur(false);
                b->ReinitialiserForces();
                b->forceGravite.acceleration = 0.f;
            }
        Attacher();
        Son("data/ogg/sounds/pouf.ogg");
        if (sf::Music* m = GestionnaireAudio::Instance()->Musique(MUSIQUE, false))
            MoteurAudio::Instance()->ArreterMusique(m);
        Confier(new FeuArtifice(scene, position, rayon, 3, 4));
        // la capsule tombe au milieu du dernier écran, là où le héros peut l'atteindre
        const float x = scene ? float(scene->LimiteDroite()) - 320.f : position.x;
        Confier(new FinZone(scene, sf::Vector2f(x, position.y + rayon - 80.f)));
        break;
    }
    case OUVERTURE:
        if (tete)
            tete->ChangerEtat(OUVERTURE);
        if (!pilote)
        {
            pilote = new Malvek(scene, sf::Vector2f(position.x, position.y - 64.f), profondeurBase - 3.f);
            pilote->corps = this;
            Confier(pilote);
        }
        break;
    case PILOTE:
        if (pilote)
            pilote->ChangerEtat(Malvek::ETAT_SALUT);
        break;
    case FERMETURE:
        if (tete)
            tete->ChangerEtat(FERMETURE);
        if (pilote)
            pilote->ChangerEtat(0);
        break;
    case PAUSE:
        if (pilote)
        {
            pilote->aSupprimer = true;
            pilote->corps = nullptr;
            pilote = nullptr;
        }
        break;
    case MARCHE:
        Detacher(true);
        if (genou1)
            genou1->ChangerEtat(43);
        if (bras1)
            bras1->ChangerEtat(RECUL);
        if (bras2)
            bras2->ChangerEtat(MARCHE);
        break;
    case RECUL:
        if (genou2)
            genou2->ChangerEtat(57);
        if (genou1)
            genou1->ChangerEtat(0);
        if (bras1)
            bras1->ChangerEtat(MARCHE);
        if (bras2)
            bras2->ChangerEtat(RECUL);
        break;
    case SAUT:
        moteur = true;
        forceMoteur.angle = PI / 2.0;
        forceMoteur.norme = -150.f;
        forceMoteur.acceleration = 80000.f;
        break;
    case SUSPENDU:
        if (viseur)
            viseur->positionSuivante = position;
        ReinitialiserForces();
        forceGravite.acceleration = 0.f;
        break;
    case VISEE:
        if (viseur)
            viseur->ChangerEtat(Viseur::POURSUITE);
        break;
    case CHUTE:
    {
        if (viseur)
            position.x = viseur->position.x;
        positionElement.x = position.x;
        versLaDroite = position.x >= milieuArene;
        // la silhouette attachée prend tout de suite le nouveau sens
        CercleMecanique* membres[] = {reacteur, tete, epaule, genou1, genou2, bras1, bras2,
                                      Botte(genou1), Botte(genou2), AvantBras(bras1), AvantBras(bras2)};
        for (CercleMecanique* m : membres)
            if (m)
                m->FixerVersLaDroite(versLaDroite);
        Attacher();
        ReinitialiserForces();
        forceGravite.acceleration = 0.f;
        forceMoteur.acceleration = 100000.f;
        forceMoteur.angle = 3.0 * PI / 2.0;
        forceMoteur.norme = 10.f;
        for (BossFinal_Botte* b : {Botte(genou1), Botte(genou2)})
            if (b)
            {
                // elles partent d'en haut : aucune ne se croit encore posée
                b->sol = nullptr;
                b->support = &forceMoteur;
            }
        break;
    }
    case AMORTI:
        moteur = true;
        if (viseur)
            viseur->ChangerEtat(Viseur::REPOS);
        Detacher(false);
        forceMoteur.angle = Miroir(std::atan2(16.0, 17.0));
        forceMoteur.norme = -200.f;
        forceMoteur.acceleration = 40000.f;
        break;
    case FENTE:
        moteur = true;
        Detacher(false);
        forceMoteur.angle = Miroir(std::atan2(-16.0, -17.0));
        forceMoteur.norme = 200.f;
        break;
    case RELEVE:
        moteur = true;
        forceMoteur.angle = Miroir(std::atan2(16.0, 17.0));
        forceMoteur.norme = 200.f;
        break;
    case POING_AVANT:
        for (CercleMecanique* m : {static_cast<CercleMecanique*>(bras1), static_cast<CercleMecanique*>(bras2)})
            if (m)
                m->UtiliserDecalage(false);
        if (bras1)
            bras1->ChangerEtat(BossFinal_AvantBras::ETAT_POING);
        break;
    case POING_ARRIERE:
        if (bras2)
            bras2->ChangerEtat(BossFinal_AvantBras::ETAT_POING);
        break;
    default:
        break;
    }
}
