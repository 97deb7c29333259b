#include "engine/QSFMLLoader.h"

#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireTextures.h"
#include "shell/MyQtSFMLWindow.h"

#include <QDir>
#include <QDirIterator>

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

QSFMLLoader::QSFMLLoader(MyQtSFMLWindow* c) : canvas(c), charge(false)
{
}

QSFMLLoader::QSFMLLoader(sf::RenderTarget& cible) : canvas(&cible), charge(false)
{
}

void QSFMLLoader::Charger()
{
    if (charge)
        return;
    ChargerTextures();
    ChargerMusiques();
    ChargerSons();
    charge = true;
}

void QSFMLLoader::ChargerTextures()
{
    QDirIterator it("data/png", QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        it.next();
        const QString nom = it.fileName();
        // Sans point dans le nom : un dossier
        if (nom.isEmpty() || nom.contains('.'))
            continue;
        QDir dossier(it.filePath());
        const QStringList images = dossier.entryList(QStringList() << "*.png", QDir::Files);
        for (const QString& image : images)
        {
            const std::string chemin = (it.filePath() + "/" + image).toStdString();
            sf::Texture& texture = GestionnaireTextures::Instance()->Texture(chemin);
            if (canvas)
                canvas->draw(sf::Sprite(texture));
        }
    }
    if (canvas)
        canvas->clear(sf::Color::Black);
}

void QSFMLLoader::ChargerMusiques()
{
    const QStringList fichiers = QDir("data/ogg/musics").entryList(QStringList() << "*.ogg", QDir::Files);
    for (const QString& f : fichiers)
        GestionnaireAudio::Instance()->Musique("data/ogg/musics/" + f.toStdString(), false);
}

void QSFMLLoader::ChargerSons()
{
    const QStringList fichiers = QDir("data/ogg/sounds").entryList(QStringList() << "*.ogg", QDir::Files);
    for (const QString& f : fichiers)
        GestionnaireAudio::Instance()->ChargerSon("data/ogg/sounds/" + f.toStdString());
}
