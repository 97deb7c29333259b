#include "engine/MoteurAudio.h"

#include <SFML/Audio/Music.hpp>

void MoteurAudio::JouerMusique(sf::Music* musique)
{
    if (!musique)
        return;
    if (!pile.empty())
    {
        if (pile.back() == musique)
            return;
        pile.back()->stop();
    }
    pile.push_back(musique);
    musique->setPitch(hauteur);
    musique->play();
}

void MoteurAudio::ArreterMusique(sf::Music* musique)
{
    if (pile.empty() || pile.back() != musique)
        return;
    pile.back()->stop();
    pile.pop_back();
}

void MoteurAudio::ArreterTout()
{
    while (!pile.empty())
    {
        pile.back()->stop();
        pile.pop_back();
    }
    hauteur = 1.f;
}

void MoteurAudio::DefinirHauteur(float h)
{
    hauteur = h;
    if (!pile.empty())
        pile.back()->setPitch(h);
}

void MoteurAudio::MettreAJour(bool actif)
{
    while (!pile.empty())
    {
        sf::Music* courante = pile.back();
        if (!actif)
        {
            courante->pause();
            return;
        }
        switch (courante->getStatus())
        {
        case sf::SoundSource::Paused:
            courante->setPitch(hauteur);
            courante->play();
            return;
        case sf::SoundSource::Playing:
            return;
        case sf::SoundSource::Stopped:
            if (courante->getLoop())
            {
                courante->setPitch(hauteur);
                courante->play();
                return;
            }
            pile.pop_back();
            break;
        }
    }
}
