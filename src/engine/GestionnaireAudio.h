#pragma once

#include "engine/Singleton.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <map>
#include <string>

// Cache des sons et musiques, avec les volumes et la coupure du son.
class GestionnaireAudio : public Singleton<GestionnaireAudio>
{
    friend class Singleton<GestionnaireAudio>;

public:
    sf::Music* Musique(const std::string& chemin, bool boucle);
    void ChargerSon(const std::string& chemin);
    void JouerSon(const std::string& chemin);
    void DefinirVolumeMusiques(int v);
    void DefinirVolumeSons(int v);
    int VolumeMusiques() const { return volumeMusiques; }
    int VolumeSons() const { return volumeSons; }
    void Couper(bool muet);
    bool Actif() const { return actif; }

    // Pour les tests : le son rangé sous ce chemin, ou nul
    const sf::Sound* Son(const std::string& chemin) const;

private:
    GestionnaireAudio() = default;
    std::map<std::string, sf::Music*> musiques;
    std::map<std::string, sf::SoundBuffer> tampons;
    std::map<std::string, sf::Sound> sons;
    bool actif = true;
    int volumeMusiques = 30;
    int volumeSons = 50;
};
