#include "engine/GestionnaireAudio.h"

#include <iostream>

sf::Music* GestionnaireAudio::Musique(const std::string& chemin, bool boucle)
{
    auto it = musiques.find(chemin);
    sf::Music* musique = nullptr;
    if (it == musiques.end())
    {
        musique = new sf::Music();
        musiques[chemin] = musique;
        if (!musique->openFromFile(chemin))
        {
            std::cerr << "Impossible de charger le son : " << chemin << std::endl;
            return nullptr;
        }
    }
    else
        musique = it->second;
    musique->setLoop(boucle);
    musique->setVolume(actif ? static_cast<float>(volumeMusiques) : 0.f);
    return musique;
}

void GestionnaireAudio::ChargerSon(const std::string& chemin)
{
    sf::SoundBuffer& tampon = tampons[chemin];
    if (!tampon.loadFromFile(chemin))
    {
        std::cerr << "Impossible de charger le son : " << chemin << std::endl;
        return;
    }
    sf::Sound& son = sons[chemin];
    son.setBuffer(tampon);
    son.setVolume(actif ? static_cast<float>(volumeSons) : 0.f);
}

void GestionnaireAudio::JouerSon(const std::string& chemin)
{
    sf::Sound& son = sons[chemin];
    if (son.getBuffer() == nullptr)
        return; // un son sans tampon ne fait aucun bruit
    son.play();
}

void GestionnaireAudio::DefinirVolumeMusiques(int v)
{
    volumeMusiques = v;
    if (actif)
        for (auto& m : musiques)
            m.second->setVolume(static_cast<float>(v));
}

void GestionnaireAudio::DefinirVolumeSons(int v)
{
    volumeSons = v;
    if (actif)
        for (auto& s : sons)
            s.second.setVolume(static_cast<float>(v));
}

void GestionnaireAudio::Couper(bool muet)
{
    if (muet)
    {
        for (auto& s : sons)
            s.second.setVolume(0.f);
        for (auto& m : musiques)
            m.second->setVolume(0.f);
        actif = false;
    }
    else
    {
        actif = true;
        for (auto& s : sons)
            s.second.setVolume(static_cast<float>(volumeSons));
        for (auto& m : musiques)
            m.second->setVolume(static_cast<float>(volumeMusiques));
    }
}

const sf::Sound* GestionnaireAudio::Son(const std::string& chemin) const
{
    auto it = sons.find(chemin);
    return it == sons.end() ? nullptr : &it->second;
}
