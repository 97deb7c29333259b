#include "game/SceneGraphique.h"

#include "game/Camera.h"
#include "game/Quadtree.h"
#include "enemies/BossFinal.h"
#include "enemies/Cameleon.h"
#include "enemies/Cinematique_Z1_1.h"
#include "enemies/Coccinelle.h"
#include "enemies/Crabe.h"
#include "enemies/Etoile.h"
#include "enemies/FusilLaser.h"
#include "enemies/Gorvalux.h"
#include "enemies/Guepe.h"
#include "enemies/Piranha.h"
#include "enemies/Poisson.h"
#include "enemies/SilverVanto.h"
#include "enemies/ZubRobot.h"
#include "objects/Anneau.h"
#include "objects/BassinEau.h"
#include "objects/BassinLave.h"
#include "objects/Bloc.h"
#include "objects/BorneZ.h"
#include "objects/CheckPoint.h"
#include "objects/FinLevel.h"
#include "objects/Moniteur.h"
#include "objects/Pics.h"
#include "objects/Plateforme.h"
#include "objects/PlateformeInvisible.h"
#include "objects/PlateformeMobileInstable.h"
#include "objects/PlateformeMobileMini.h"
#include "objects/PlateformeMobilePasserelle.h"
#include "objects/PlateformeMobileTronc.h"
#include "objects/PlateformeTunnel.h"
#include "objects/Pont.h"
#include "objects/Tunnel.h"
#include "objects/VrilleHorizontalePartieDroite.h"
#include "objects/VrilleHorizontalePartieGauche.h"
#include "objects/VrilleVerticalePartieBasse.h"
#include "objects/VrilleVerticalePartieHaute.h"
#include "objects/PontEpineux.h"
#include "objects/Portail.h"
#include "objects/PoteauEpineux.h"
#include "objects/Pung.h"
#include "objects/Ressort.h"
#include "objects/ScieCirculaire.h"
#include "objects/SourceBulles.h"
#include "scene/BaleineBleu.h"
#include "scene/Cascade.h"
#include "scene/Corail.h"
#include "scene/Feuilles.h"
#include "scene/Rocher.h"
#include "scene/Totem.h"
#include "scene/Zone_0.h"
#include "scene/Zone_1.h"
#include "scene/Zone_2.h"
#include "scene/ElementScenique.h"

SceneGraphique::SceneGraphique()
    : largeur(16384), hauteur(16384), camera(nullptr), index(nullptr), limiteGauche(0), limiteDroite(16384),
      limiteBas(16384), niveauEau(8192), pointDepart(128.f, 16384.f), etatScene(SCENE_SUIVANTE)
{
}

SceneGraphique::~SceneGraphique()
{
    Vider();
    if (camera && camera->Scene() == this)
        camera->Lier(nullptr);
}

bool SceneGraphique::AjouterElement(ElementScenique* element)
{
    if (!element)
        return false;
    if (!index)
        index = new Quadtree(this);
    if (index->Inserer(element))
    {
        ++comptes.ranges;
        return true;
    }
    ++comptes.horsNiveau;
    return false;
}

void SceneGraphique::Vider()
{
    delete index;
    index = nullptr;
    comptes = Comptes();
}

namespace
{
bool Parmi(int id, std::initializer_list<int> liste)
{
    for (int v : liste)
        if (v == id)
            return true;
    return false;
}
}

bool SceneGraphique::GenreConnu(int id)
{
    if (id >= 1000000000 && id <= 1999999999)
        return true;
    if (id >= 2000020001 && id <= 2000020004)
        return true;
    if (id >= 2000021 && id <= 2000024)
        return true;
    return Parmi(id, {1, 2, 99, 1000001, 1000002, 1000005, 1000011, 1000012, 1000041, 1000042, 1000061, 1000062,
                      2000002, 2000004, 2000006, 2000008, 2000026, 2000028, 2000051, 2000061, 2000071, 2000099,
                      2000114, 2000116, 3000001, 3000011, 3000021, 3000501, 3000511, 5000001, 5000010, 5000020,
                      5000030, 5000050, 5000110, 5000120, 5000130, 5000140, 5000199, 5000901, 7000010, 7000020,
                      7000030, 7000040, 7000110, 7000120, 7000130, 7000210, 7000220, 8000050, 8000099, 9000001,
                      2000020011, 2000040001, 2000218001, 2000301008, 2000301012, 2000301016, 2000363001,
                      2000444001, 2000555001, 2000666001, 2000496001, 2000634001, 2000872001, GENRE_BOUCLE,
                      2032020501, 2128020501, 2128020511, 2128426501});
}

bool SceneGraphique::CreerElement(int id, const sf::Vector2f& p, float profondeur, const std::vector<float>& parametres)
{
    if (!GenreConnu(id))
    {
        ++comptes.inconnus;
        return false;
    }
    if (id >= 1000000000 && id <= 1999999999)
    {
        AjouterElement(new Plateforme(this, p, profondeur, parametres, id));
        return true;
    }
    if (id == GENRE_BOUCLE)
    {
        CreerBoucle(p);
        return true;
    }
    switch (id)
    {
    case 1: AjouterElement(new Zone_1(this)); break;
    case 2: AjouterElement(new Zone_2(this)); break;
    case 99: AjouterElement(new Zone_0(this)); break;
    case 1000001: AjouterElement(new CheckPoint(this, p, profondeur, parametres)); break;
    case 1000002: AjouterElement(new FinLevel(this, p, profondeur, parametres)); break;
    case 1000041: case 1000042: case 1000061: case 1000062:
        AjouterElement(new BorneZ(this, p, profondeur, parametres, id));
        break;
    case 1000011: AjouterElement(new BassinEau(this, p, profondeur, parametres)); break;
    case 1000012: AjouterElement(new BassinLave(this, p, profondeur, parametres)); break;
    case 5000901: AjouterElement(new SourceBulles(this, p, profondeur, parametres)); break;
    case 2000061: AjouterElement(new Rocher(this, p, profondeur, parametres)); break;
    case 3000001: AjouterElement(new Cascade(this, p, profondeur, parametres)); break;
    case 3000011: AjouterElement(new Totem(this, p, profondeur, parametres)); break;
    case 3000021: AjouterElement(new Feuilles(this, p, profondeur, parametres)); break;
    case 3000501: AjouterElement(new Corail(this, p, profondeur, parametres)); break;
    case 3000511: AjouterElement(new BaleineBleu(this, p, profondeur, parametres)); break;
    case 5000001: AjouterElement(new Anneau(this, p, profondeur, parametres)); break;
    case 5000010: case 5000020: case 5000030: case 5000050: case 5000110:
    case 5000120: case 5000130: case 5000140: case 5000199:
        AjouterElement(new Moniteur(this, id, p, profondeur, parametres));
        break;
    // plates-formes mobiles, ponts, vrilles et tubes
    case 2000301008: case 2000301012: case 2000301016:
        AjouterElement(new Pont(this, p, profondeur, parametres, id));
        break;
    case 2128020501: AjouterElement(new PlateformeMobileMini(this, p, profondeur, parametres)); break;
    case 2128020511: AjouterElement(new PlateformeMobilePasserelle(this, p, profondeur, parametres)); break;
    case 2128426501: AjouterElement(new PlateformeMobileTronc(this, p, profondeur, parametres)); break;
    case 2032020501: AjouterElement(new PlateformeMobileInstable(this, p, profondeur, parametres)); break;
    case 2000020011: AjouterElement(new PlateformeInvisible(this, p, profondeur, parametres)); break;
    case 2000444001: case 2000555001: case 2000666001:
        AjouterElement(new PlateformeTunnel(this, p, profondeur, parametres, id));
        break;
    case 2000218001: AjouterElement(new VrilleHorizontalePartieGauche(this, p, profondeur, parametres)); break;
    case 2000872001: AjouterElement(new VrilleHorizontalePartieDroite(this, p, profondeur, parametres)); break;
    case 2000634001: AjouterElement(new VrilleVerticalePartieHaute(this, p, profondeur, parametres)); break;
    case 2000496001: AjouterElement(new VrilleVerticalePartieBasse(this, p, profondeur, parametres)); break;
    case 2000363001: AjouterElement(new Tunnel(this, p, profondeur, parametres)); break;
    // pièges et portail
    case 1000005: AjouterElement(new Portail(this, p, profondeur, parametres)); break;
    case 2000021: case 2000022: case 2000023: case 2000024: case 2000026: case 2000028:
        AjouterElement(new Ressort(this, p, profondeur, parametres, id));
        break;
    case 2000002: case 2000004: case 2000006: case 2000008:
        AjouterElement(new Pics(this, p, profondeur, parametres, id));
        break;
    case 2000071: AjouterElement(new Pung(this, p, profondeur, parametres)); break;
    case 2000099: AjouterElement(new ScieCirculaire(this, p, profondeur, parametres)); break;
    case 2000020001: case 2000020002: case 2000020003: case 2000020004:
        AjouterElement(new PontEpineux(this, p, profondeur, parametres, id));
        break;
    case 2000040001: AjouterElement(new PoteauEpineux(this, p, profondeur, parametres)); break;
    case 2000051: AjouterElement(new Bloc(this, p, profondeur, parametres)); break;
    // ennemis
    case 2000114: case 2000116: AjouterElement(new FusilLaser(this, p, profondeur, parametres, id)); break;
    case 7000010: AjouterElement(new Coccinelle(this, p, profondeur, parametres)); break;
    case 7000020: AjouterElement(new Crabe(this, p, profondeur, parametres)); break;
    case 7000030: AjouterElement(new Guepe(this, p, profondeur, parametres)); break;
    case 7000040: AjouterElement(new Cameleon(this, p, profondeur, parametres)); break;
    case 7000110: AjouterElement(new Poisson(this, p, profondeur, parametres)); break;
    case 7000120: AjouterElement(new Piranha(this, p, profondeur, parametres)); break;
    case 7000130: AjouterElement(new Gorvalux(this, p, profondeur, parametres)); break;
    case 7000210: AjouterElement(new Etoile(this, p, profondeur, parametres)); break;
    case 7000220: AjouterElement(new ZubRobot(this, p, profondeur, parametres)); break;
    // boss
    case 8000050: AjouterElement(new SilverVanto(this, p, profondeur, parametres)); break;
    case 9000001: AjouterElement(new Cinematique_Z1_1(this, p, profondeur, parametres)); break;
    case 8000099: AjouterElement(new BossFinal(this, p, profondeur, parametres)); break;
    default:
        break;
    }
    return true;
}

void SceneGraphique::CreerBoucle(const sf::Vector2f& p)
{
    const std::vector<float> aucun;
    const std::vector<float> rouge = {255.f, 0.f, 0.f};
    const std::vector<float> bleu = {0.f, 0.f, 255.f};
    AjouterElement(new Plateforme(this, p, 12.f, aucun, 2014789632));
    AjouterElement(new Plateforme(this, p, 55.f, aucun, 2014789633));
    AjouterElement(new Plateforme(this, p + sf::Vector2f(96.f, 96.f), 55.f, rouge, 1128214001));
    AjouterElement(new Plateforme(this, p + sf::Vector2f(96.f, -80.f), 15.f, aucun, 1128478001));
    AjouterElement(new Plateforme(this, p + sf::Vector2f(-96.f, -80.f), 15.f, aucun, 1128896001));
    AjouterElement(new Plateforme(this, p + sf::Vector2f(-96.f, 96.f), 12.f, bleu, 1128632001));
    // bornes de couche de part et d'autre de la boucle et à son sommet
    const struct { int genre; float dx, dy; } bornes[] = {
        {1000062, -208.f, 64.f}, {1000062, -208.f, 128.f}, {1000041, -192.f, 64.f}, {1000041, -192.f, 128.f},
        {1000062, 192.f, 64.f},  {1000062, 192.f, 128.f},  {1000041, 208.f, 64.f},  {1000041, 208.f, 128.f},
        {1000062, -8.f, -112.f}, {1000041, 8.f, -112.f}};
    for (const auto& b : bornes)
        CreerElement(b.genre, p + sf::Vector2f(b.dx, b.dy), 79.f, aucun);
}

void SceneGraphique::ActiverElementsVisibles()
{
    if (!index || !camera)
        return;
    const sf::Vector2f c = camera->Vue().getCenter();
    index->Parcourir(sf::FloatRect(c.x - 320.f, c.y - 240.f, 640.f, 480.f));
}

void SceneGraphique::FixerTaille(int l, int h)
{
    largeur = l;
    hauteur = h;
}

void SceneGraphique::FixerMarge(int m)
{
    limiteGauche = m;
    limiteDroite = largeur - m;
    limiteBas = hauteur - m;
}
