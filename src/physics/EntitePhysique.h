#pragma once

#include "physics/Collision.h"
#include "physics/Force.h"

#include <SFML/System/Vector2.hpp>

class Segment;
class CerclePhysique;
class PolygonePhysique;

// Base des corps : forces polaires, position prédite, contact retenu de la frame.
class EntitePhysique
{
public:
    explicit EntitePhysique(const sf::Vector2f& point = sf::Vector2f(0.f, 0.f));
    virtual ~EntitePhysique();
    EntitePhysique(const EntitePhysique&) = delete;
    EntitePhysique& operator=(const EntitePhysique&) = delete;

    virtual void Integrer(float dt);
    virtual void PreparerCollision();
    virtual void Transporter();
    virtual void AppliquerMoteur();
    virtual void AppliquerGravite();
    virtual void VerifierForceExterne();
    virtual void CalculerComposantes();
    virtual void CalculerVitesse();
    virtual void PredirePosition();
    virtual void ValiderDeplacement();
    virtual void ResoudreCollision() = 0;
    virtual void Atterrir();
    virtual void Decoller();
    // Posé sur un sol sans bord à lui (pièce invisible, plate-forme, lave) dont le corps a passé un
    // bout : rien d'autre ne le ferait tomber
    bool AuDelaDeSonSol() const;
    virtual void FixerEchelleTemps(float echelle);

    void ReinitialiserForces();

    // Test de couches : chacun doit viser la couche de l'autre
    static bool Interagissent(const EntitePhysique& a, const EntitePhysique& b);
    // Le corps du héros touche-t-il ce cercle ?
    static bool ToucheCercle(const EntitePhysique* heros, const CerclePhysique* cercle);
    // Cercle contre les segments d'un polygone ; vrai quand un capteur est touché
    static bool ToucheSegments(CerclePhysique* cercle, PolygonePhysique* polygone);
    // Polygone contre les segments d'un autre ; vrai quand un contact est trouvé
    static bool TouchePolygone(PolygonePhysique* p1, PolygonePhysique* p2);

    int couche;
    sf::Vector2f position, positionPrecedente, positionSuivante, positionDepart;
    bool fige;
    float masse;
    float rayon;
    float echelleTemps;
    float dtCourant;
    Force forcePropre;
    Force forceMoteur;
    Force forceGravite;
    Force forceElan;
    Force* forceExterne;
    Force vitesse;
    Segment* sol;
    Force* support;
    int masque;
    Collision collision;
};
