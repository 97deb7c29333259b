#include "game/GameInfos.h"

#include "engine/GestionnaireAudio.h"
#include "engine/GestionnairePolices.h"
#include "engine/GestionnaireTextures.h"
#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "game/GameOptions.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "screens/Ecran.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cmath>

namespace
{
const char* LUCON = "data/ttf/lucon.ttf";
const char* NISETERA = "data/ttf/nisetera.ttf";
const char* TITRE = "data/ttf/vantotitlefont.ttf";
const char* ALERTE = "data/ogg/musics/alerte_oxygene.ogg";
const sf::Color JAUNE(255, 224, 0, 255);

void Preparer(sf::Text& t, const char* police, unsigned taille, bool gras, const std::string& chaine,
              sf::Vector2f pos)
{
    t.setFont(GestionnairePolices::Instance()->Police(police));
    t.setCharacterSize(taille);
    t.setStyle(gras ? sf::Text::Bold : sf::Text::Regular);
    t.setString(chaine);
    t.setPosition(pos);
}

void JouerSon(const char* c)
{
    GestionnaireAudio::Instance()->JouerSon(c);
}

// Décale une ligne de bonus : libellé et valeur ensemble
void DeplacerLigne(sf::Text& l, sf::Text& v, float dx)
{
    l.move(dx, 0.f);
    v.move(dx, 0.f);
}
}

GameInfos::GameInfos(SceneGraphique* scene_)
    : scene(scene_), heros(nullptr), visible(false), tempsNiveau(0.f), etapeResultats(0), alerteOxygene(false),
      compteARebours(5), bonusTemps(0), bonusAnneaux(0), bonusTotal(0), finDePartie(false), reunis(false),
      alerte(false), etatPrecedent(-1)
{
    profondeur = 1.5e9f;
    Preparer(labelScore, LUCON, 24, true, "SCORE", {20.f, 10.f});
    Preparer(labelTemps, LUCON, 24, true, "TIME", {20.f, 35.f});
    Preparer(labelAnneaux, LUCON, 24, true, "RINGS", {20.f, 60.f});
    Preparer(score, LUCON, 24, true, "", {20.f, 10.f});
    Preparer(temps, LUCON, 24, true, "", {20.f, 35.f});
    Preparer(anneaux, LUCON, 24, true, "", {20.f, 60.f});
    Preparer(vies, LUCON, 18, true, "", {50.f, 450.f});
    Preparer(compte, NISETERA, 32, true, "5", {320.f, 240.f});
    const bool tormundo = GameOptions::Instance()->HerosChoisi() == 1;
    Preparer(titre, TITRE, 16, false, tormundo ? "tormundo got" : "vanto got", {-640.f, 160.f});
    Preparer(sousTitre, TITRE, 16, false, "through this act", {1920.f, 200.f});
    Centrer(titre);
    Centrer(sousTitre);
    Preparer(labelBonusTemps, LUCON, 20, true, "TIME BONUS", {640.f, 230.f});
    Preparer(labelBonusAnneaux, LUCON, 20, true, "RINGS BONUS", {960.f, 260.f});
    Preparer(labelBonusTotal, LUCON, 20, true, "TOTAL BONUS", {1280.f, 290.f});
    Preparer(valeurBonusTemps, LUCON, 20, true, "", {640.f, 230.f});
    Preparer(valeurBonusAnneaux, LUCON, 20, true, "", {960.f, 260.f});
    Preparer(valeurBonusTotal, LUCON, 20, true, "", {1280.f, 290.f});
    Preparer(game, TITRE, 16, false, "game", {-640.f, 240.f});
    Preparer(over, TITRE, 16, false, "over", {1280.f, 240.f});
    Centrer(game);
    Centrer(over);
    icone.setTexture(GestionnaireTextures::Instance()->Texture(
        tormundo ? "data/png/game/personnages/heros/tormundo.png" : "data/png/game/personnages/heros/vanto.png"));
    icone.setTextureRect(sf::IntRect(960, 320, 160, 160));
    icone.setScale(0.5f, 0.5f);
    icone.setOrigin(80.f, 80.f);
    icone.setPosition(25.f, 455.f);
    ReconstruireBonus();
    MoteurGraphique::Instance()->AjouterPermanent(this);
}

GameInfos::~GameInfos()
{
    MoteurGraphique::Instance()->RetirerPermanent(this);
}

void GameInfos::Centrer(sf::Text& t)
{
    const sf::FloatRect b = t.getLocalBounds();
    t.setOrigin(b.left + b.width / 2.f, b.top + b.height / 2.f);
}

// --- Formats ---

std::string GameInfos::TexteScore(int s)
{
    std::string r(6, ' ');
    for (int p = 100000; p >= 10; p /= 10)
        if (p > s)
            r += ' ';
    return r + std::to_string(s);
}

std::string GameInfos::TexteTemps(float t)
{
    const int secondes = int(t) % 60;
    std::string r(5, ' ');
    r += std::to_string(int(std::floor(t / 60.f))) + "'";
    if (secondes < 10)
        r += "0";
    return r + std::to_string(secondes);
}

std::string GameInfos::TexteAnneaux(int n)
{
    std::string r(6, ' ');
    if (n <= 99)
        r += ' ';
    if (n <= 9)
        r += ' ';
    return r + std::to_string(n);
}

std::string GameInfos::TexteVies(int n)
{
    return std::string("x") + (n <= 9 ? " " : "") + std::to_string(n);
}

std::string GameInfos::TexteBonus(int v)
{
    std::string r(14, ' ');
    for (long long p = 1000000000LL; p >= 10; p /= 10)
        if (p > v)
            r += ' ';
    return r + std::to_string(v);
}

int GameInfos::BonusTemps(float t)
{
    if (t < 60.f) return 5000;
    if (t < 120.f) return 4000;
    if (t < 180.f) return 2000;
    if (t < 240.f) return 1000;
    if (t < 300.f) return 500;
    return 0;
}

// --- Services ---

void GameInfos::FixerTemps(float t)
{
    if (scene && scene->EtatScene() == SCENE_JEU && !finDePartie)
        tempsNiveau = t;
}

void GameInfos::Montrer()
{
    titre.setPosition(-640.f, 160.f);
    sousTitre.setPosition(1920.f, 200.f);
    labelBonusTemps.setPosition(640.f, 230.f);
    valeurBonusTemps.setPosition(640.f, 230.f);
    labelBonusAnneaux.setPosition(960.f, 260.f);
    valeurBonusAnneaux.setPosition(960.f, 260.f);
    labelBonusTotal.setPosition(1280.f, 290.f);
    valeurBonusTotal.setPosition(1280.f, 290.f);
    tempsNiveau = 0.f;
    visible = true;
}

void GameInfos::DebuterBilan()
{
    horlogeResultats.restart();
    horlogePas.restart();
}

bool GameInfos::MotsReunis() const
{
    return over.getPosition().x - 80.f == game.getPosition().x + 80.f;
}

void GameInfos::ReconstruireBonus()
{
    valeurBonusTemps.setString(TexteBonus(bonusTemps));
    valeurBonusAnneaux.setString(TexteBonus(bonusAnneaux));
    valeurBonusTotal.setString(TexteBonus(bonusTotal));
}

// --- Par frame ---

void GameInfos::Animer()
{
    // le clignotement des alertes avance ici : en pause, l'image redessinée reste figée
    const float c = horlogeClignote.getElapsedTime().asSeconds();
    if (c > 0.5f)
    {
        horlogeClignote.restart();
        alerte = false;
    }
    else if (c > 0.25f)
        alerte = true;
    const bool vivant = heros && heros->masque != 0;
    if (heros)
    {
        score.setString(TexteScore(heros->Score()));
        if (tempsNiveau >= 599.f)
        {
            tempsNiveau = 599.f;
            if (vivant)
                heros->ChangerEtat(HEROS_MORT);
        }
        temps.setString(TexteTemps(tempsNiveau));
        anneaux.setString(TexteAnneaux(heros->Anneaux()));
        vies.setString(TexteVies(heros->Vies()));
    }
    const int etatScene = scene ? scene->EtatScene() : SCENE_JEU;
    // le bilan compte depuis la ligne d'arrivée
    if (etatScene == SCENE_FIN_ACTE && etatPrecedent != SCENE_FIN_ACTE)
        DebuterBilan();
    etatPrecedent = etatScene;
    if (etatScene == SCENE_FIN_ACTE)
        EtapeBilan();
    if (heros && heros->masque != 0 && !heros->AirRestant())
        EtapeCompte();
    else if (alerteOxygene)
    {
        if (sf::Music* m = GestionnaireAudio::Instance()->Musique(ALERTE, false))
            MoteurAudio::Instance()->ArreterMusique(m);
        alerteOxygene = false;
    }
    if (heros && heros->Vies() == 0)
        EtapeFinDePartie();
}

void GameInfos::EtapeCompte()
{
    if (!alerteOxygene)
    {
        if (sf::Music* m = GestionnaireAudio::Instance()->Musique(ALERTE, false))
            MoteurAudio::Instance()->JouerMusique(m);
        alerteOxygene = true;
        compteARebours = 5;
        compte.setString("5");
        horlogeCompte.restart();
        return;
    }
    if (horlogeCompte.getElapsedTime().asSeconds() > 2.5f)
    {
        compteARebours -= 1;
        horlogeCompte.restart();
        if (compteARebours > 0)
            compte.setString(std::to_string(compteARebours));
        else
        {
            compte.setString("");
            if (heros && heros->masque != 0)
                heros->ChangerEtat(HEROS_NOYE);
        }
    }
}

void GameInfos::EtapeBilan()
{
    const float t = horlogeResultats.getElapsedTime().asSeconds();
    const bool pas = horlogePas.getElapsedTime().asSeconds() > 0.01f;
    if (pas)
        horlogePas.restart();
    auto Suivante = [this]() {
        ++etapeResultats;
        horlogeResultats.restart();
    };
    switch (etapeResultats)
    {
    case 0:
        if (t > 4.5f)
        {
            MoteurAudio::Instance()->ArreterTout();
            if (sf::Music* m = GestionnaireAudio::Instance()->Musique("data/ogg/musics/calculs.ogg", false))
                MoteurAudio::Instance()->JouerMusique(m);
            Suivante();
        }
        break;
    case 1:
        if (pas)
        {
            if (titre.getPosition().x < 320.f)
                titre.move(20.f, 0.f);
            if (sousTitre.getPosition().x > 320.f)
                sousTitre.move(-20.f, 0.f);
        }
        if (titre.getPosition().x == sousTitre.getPosition().x)
            Suivante();
        break;
    case 2:
    case 5:
        if (t > (etapeResultats == 2 ? 1.f : 2.5f))
            Suivante();
        break;
    case 3:
        bonusTemps = BonusTemps(tempsNiveau);
        bonusAnneaux = heros ? heros->Anneaux() * 100 : 0;
        bonusTotal = 0;
        ReconstruireBonus();
        Suivante();
        break;
    case 4:
        if (pas)
        {
            if (labelBonusTemps.getPosition().x > 160.f)
                DeplacerLigne(labelBonusTemps, valeurBonusTemps, -20.f);
            if (labelBonusAnneaux.getPosition().x > 160.f)
                DeplacerLigne(labelBonusAnneaux, valeurBonusAnneaux, -20.f);
            if (labelBonusTotal.getPosition().x > 160.f)
                DeplacerLigne(labelBonusTotal, valeurBonusTotal, -20.f);
        }
        if (labelBonusTotal.getPosition().x <= 160.f)
            Suivante();
        break;
    case 6:
        if (pas)
        {
            if (bonusTemps > 0)
            {
                bonusTemps -= 100;
                bonusTotal += 100;
                if (heros)
                    heros->AjouterScore(100);
                JouerSon("data/ogg/sounds/clic.ogg");
            }
            if (bonusAnneaux > 0)
            {
                bonusAnneaux -= 100;
                bonusTotal += 100;
                if (heros)
                    heros->AjouterScore(100);
                JouerSon("data/ogg/sounds/clic.ogg");
            }
            ReconstruireBonus();
            if (bonusTemps <= 0 && bonusAnneaux <= 0)
            {
                JouerSon("data/ogg/sounds/total.ogg");
                Suivante();
            }
        }
        break;
    case 7:
        if (t > 2.5f)
        {
            if (scene)
                scene->FixerEtatScene(SCENE_SUIVANTE);
            etapeResultats = 0;
            horlogeResultats.restart();
        }
        break;
    default:
        etapeResultats = 0;
        break;
    }
}

void GameInfos::EtapeFinDePartie()
{
    if (!finDePartie)
    {
        MoteurAudio::Instance()->ArreterTout();
        if (sf::Music* m = GestionnaireAudio::Instance()->Musique("data/ogg/musics/game_over.ogg", false))
            MoteurAudio::Instance()->JouerMusique(m);
        finDePartie = true;
        horlogeFin.restart();
    }
    if (horlogeFin.getElapsedTime().asSeconds() > 0.01f)
    {
        horlogeFin.restart();
        if (!MotsReunis())
        {
            game.move(16.f, 0.f);
            over.move(-16.f, 0.f);
        }
    }
    if (!MotsReunis())
        return;
    if (!reunis)
    {
        // ce qui est tenu à la rencontre ne compte qu'une fois relâché puis enfoncé de nouveau
        reunis = true;
        horlogeReunis.restart();
        tenues.assign(std::size_t(NombreEntrees()), false);
        for (int i = 0; i < NombreEntrees(); ++i)
            tenues[std::size_t(i)] = EntreeEnfoncee(i);
        return;
    }
    // retour au titre : une touche ou un bouton enfoncé après la rencontre des mots, et pas avant trois secondes
    bool appui = false;
    for (int i = 0; i < NombreEntrees(); ++i)
    {
        const bool enfoncee = EntreeEnfoncee(i);
        if (!enfoncee)
            tenues[std::size_t(i)] = false;
        else if (!tenues[std::size_t(i)])
            appui = true;
    }
    if (appui && horlogeReunis.getElapsedTime().asSeconds() >= 3.f)
        Ecran::DemanderEcran(1);
}

int GameInfos::NombreEntrees()
{
    return sf::Keyboard::KeyCount + int(sf::Joystick::ButtonCount);
}

bool GameInfos::EntreeEnfoncee(int entree) const
{
    if (entree < sf::Keyboard::KeyCount)
        return sf::Keyboard::isKeyPressed(sf::Keyboard::Key(entree));
    const unsigned b = unsigned(entree - sf::Keyboard::KeyCount);
    return b < sf::Joystick::getButtonCount(0) && sf::Joystick::isButtonPressed(0, b);
}

// --- Dessin ---

void GameInfos::DessinerOmbre(sf::RenderTarget& canvas, sf::Text* textes[], const sf::Color couleurs[], int n,
                              sf::Sprite* ic)
{
    for (int i = 0; i < n; ++i)
    {
        textes[i]->setFillColor(sf::Color::Black);
        canvas.draw(*textes[i]);
        textes[i]->move(-2.f, -2.f);
    }
    if (ic)
        canvas.draw(*ic);
    for (int i = 0; i < n; ++i)
    {
        textes[i]->setFillColor(couleurs[i]);
        canvas.draw(*textes[i]);
        textes[i]->move(2.f, 2.f);
    }
}

void GameInfos::Dessiner(sf::RenderTarget& canvas)
{
    if (!visible)
        return;
    canvas.setView(canvas.getDefaultView());
    const sf::Color rouge = sf::Color::Red;
    const bool sansAnneau = heros && heros->Anneaux() == 0;
    sf::Text* hud[] = {&labelScore, &labelTemps, &labelAnneaux, &score, &temps, &anneaux, &vies};
    const sf::Color couleursHud[] = {JAUNE,
                                     alerte && tempsNiveau > 540.f ? rouge : JAUNE,
                                     alerte && sansAnneau ? rouge : JAUNE,
                                     sf::Color::White,
                                     sf::Color::White,
                                     sf::Color::White,
                                     sf::Color::White};
    icone.setColor(sf::Color::White);
    DessinerOmbre(canvas, hud, couleursHud, 7, &icone);
    const int e = scene ? scene->EtatScene() : SCENE_JEU;
    if (e == SCENE_FIN_ACTE || e == SCENE_SUIVANTE)
    {
        sf::Text* res[] = {&titre, &sousTitre, &labelBonusTemps, &labelBonusAnneaux, &labelBonusTotal,
                           &valeurBonusTemps, &valeurBonusAnneaux, &valeurBonusTotal};
        const sf::Color cr[] = {sf::Color::White, sf::Color::White, JAUNE, JAUNE, JAUNE,
                                sf::Color::White, sf::Color::White, sf::Color::White};
        DessinerOmbre(canvas, res, cr, 8);
    }
    if (alerteOxygene)
    {
        const float t = horlogeCompte.getElapsedTime().asSeconds();
        if (t < 0.4f || (t > 0.8f && t < 1.25f))
        {
            compte.setCharacterSize(32);
            Centrer(compte);
            compte.setFillColor(sf::Color(0, 255, 0, 128));
            canvas.draw(compte);
            compte.setCharacterSize(28);
            Centrer(compte);
            compte.setFillColor(sf::Color(255, 255, 0, 128));
            canvas.draw(compte);
        }
    }
    if (finDePartie)
    {
        sf::Text* fin[] = {&game, &over};
        const sf::Color cf[] = {sf::Color::White, sf::Color::White};
        DessinerOmbre(canvas, fin, cf, 2);
    }
}
