#pragma once

#include "enemies/Drovik.h"
#include "engine/Metronome.h"

#include <vector>

class Oursin;

// Gorvalux : quatre boules à piquants tournent autour de lui ; quand le héros approche,
// il les lance vers la gauche une à une, au bas du cercle.
class Gorvalux : public Drovik
{
public:
    static constexpr int ALERTE = 9;
    static constexpr float RAYON_DETECTION = 256.f;
    static constexpr float RAYON_CORPS = 20.f;
    static constexpr double PAS_PHASE = 0.02454369260617026;

    Gorvalux(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
             const std::vector<float>& parametres = std::vector<float>());
    ~Gorvalux() override;

    void ToucherHeros(Heros* heros) override;
    void ChangerEtat(int e) override;
    void Penser() override;

    double Phase() const { return phase; }
    const std::vector<Oursin*>& Oursins() const { return oursins; }
    void OublierOursin(Oursin* o);

protected:
    Animal* CreerAnimal() override;
    void Liberer() override;

private:
    void PasDePhase();

    double phase;
    std::vector<Oursin*> oursins;
    Metronome metronome; // un pas de phase par 1/30 s
};
