#include "SourceNiveau.h"

#include "game/LevelManager.h"
#include "game/Quadtree.h"
#include "game/SceneGraphique.h"
#include "objects/Plateforme.h"
#include "physics/Segment.h"
#include "scene/PolygoneScenique.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QMap>

#include <algorithm>
#include <cmath>
#include <set>

namespace
{
const QHash<QString, qint32>& Noms()
{
    static const QHash<QString, qint32> noms = {
        {"boucle", 2014789631},     {"fond", 1128000001},      {"sol", 1128020001},
        {"plein", 1128050001},      {"plein_uni", 1128050000}, {"mur_gauche", 1128040001},
        {"mur_droit", 1128060001},  {"plafond", 1128080001},   {"monte_32", 1128010025},
        {"monte_64", 1128010050},   {"monte_128", 1128010100}, {"descend_32", 1128030025},
        {"descend_64", 1128030050}, {"descend_128", 1128030100}, {"coin_hd", 1128206001},
        {"coin_hg", 1128402001},    {"coin_bd", 1128608001},   {"coin_bg", 1128804001},
        {"tremplin", 1128214001},  {"quart_gauche", 1128632001}, {"quart_haut_d", 1128478001},
        {"quart_haut_g", 1128896001}, {"arrondi_bd", 1128698001}, {"arrondi_bg", 1128874001},   {"epaule_d", 1128236001},  {"epaule_g", 1128412001},
        {"tremplin_256", 1256214010}, {"colline_monte", 1384212001}, {"colline_descend", 1384232001},
        {"grande_colline_monte", 1576212001}, {"grande_colline_descend", 1576232001},
        {"anneau", 5000001},        {"checkpoint", 1000001},   {"fin", 1000002},
        {"ressort", 2000022},       {"pics", 2000002},         {"coccinelle", 7000010},
        {"crabe", 7000020},         {"guepe", 7000030},        {"moniteur_anneaux", 5000010},
        {"moniteur_vie", 5000020},  {"moniteur_chaussures", 5000030}, {"moniteur_danger", 5000050},
        {"moniteur_terre", 5000110}, {"moniteur_eau", 5000120}, {"moniteur_feu", 5000130},
        {"moniteur_eclair", 5000140}, {"moniteur_invincible", 5000199}, {"bassin_eau", 1000011},
        {"bassin_lave", 1000012},   {"bulles", 5000901},       {"cascade", 3000001},
        {"rocher", 2000061},        {"totem", 3000011},        {"feuilles", 3000021},
        {"corail", 3000501},        {"baleine", 3000511},
        // plates-formes mobiles, ponts, vrilles et tubes
        {"pont_8", 2000301008},     {"pont_12", 2000301012},   {"pont_16", 2000301016},
        {"plateforme_mobile", 2128020501}, {"passerelle", 2128020511}, {"tronc", 2128426501},
        {"bloc_instable", 2032020501}, {"plateforme_invisible", 2000020011},
        {"bloc_tunnel_g", 2000444001}, {"bloc_tunnel", 2000555001}, {"bloc_tunnel_d", 2000666001},
        {"vrille_gauche", 2000218001}, {"vrille_droite", 2000872001},
        {"vrille_haute", 2000634001}, {"vrille_basse", 2000496001}, {"tube", 2000363001},
        // pièges et portail
        {"ressort_haut_gauche", 2000021}, {"ressort_haut_droite", 2000023}, {"ressort_gauche", 2000024},
        {"ressort_droite", 2000026}, {"ressort_bas", 2000028}, {"pics_gauche", 2000004},
        {"pics_droite", 2000006},   {"pics_bas", 2000008},     {"pung", 2000071},
        {"scie", 2000099},          {"pont_epineux_1", 2000020001}, {"pont_epineux_2", 2000020002},
        {"pont_epineux_3", 2000020003}, {"pont_epineux_4", 2000020004}, {"poteau_epineux", 2000040001},
        {"bloc", 2000051},          {"portail", 1000005},
        // ennemis
        {"cameleon", 7000040},      {"poisson", 7000110},      {"piranha", 7000120},
        {"gorvalux", 7000130},      {"etoile", 7000210},       {"zubrobot", 7000220},
        {"silver_vanto", 8000050},  {"cinematique", 9000001},  {"boss_final", 8000099},
        {"fusil_gauche", 2000114},  {"fusil_droite", 2000116}};
    return noms;
}

QString Citer(const QString& s)
{
    if (s.isNull())
        return "@nul";
    if (!s.isEmpty() && !s.contains(' ') && !s.contains('"') && !s.contains('#') && !s.startsWith('@'))
        return s;
    QString c = s;
    c.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + c + '"';
}

// Un mot lu, nul si c'est "@nul"
QString Texte(const QString& mot)
{
    return mot == "@nul" ? QString() : mot;
}
}

QStringList SourceNiveau::Mots(const QString& ligne)
{
    QStringList mots;
    QString courant;
    bool dans = false, cite = false;
    for (int i = 0; i < ligne.size(); ++i)
    {
        const QChar c = ligne[i];
        if (cite)
        {
            if (c == '\\' && i + 1 < ligne.size())
                courant += ligne[++i];
            else if (c == '"')
                cite = false;
            else
                courant += c;
            continue;
        }
        if (c == '"')
        {
            cite = true;
            dans = true;
        }
        else if (c == '#' && !dans && (i + 1 == ligne.size() || ligne[i + 1].isSpace()))
            break; // commentaire ; "#FF0000" reste un mot
        else if (c.isSpace())
        {
            if (dans)
                mots << courant;
            courant.clear();
            dans = false;
        }
        else
        {
            courant += c;
            dans = true;
        }
    }
    if (dans)
        mots << courant;
    return mots;
}

qint32 SourceNiveau::Genre(const QString& mot, bool* ok)
{
    bool n = false;
    const qint32 v = mot.toInt(&n);
    if (!n)
    {
        n = Noms().contains(mot);
        if (ok)
            *ok = n;
        return n ? Noms().value(mot) : 0;
    }
    if (ok)
        *ok = true;
    return v;
}

bool SourceNiveau::Lire(const QString& texte, NiveauSource& niveau, QString& erreur)
{
    niveau = NiveauSource();
    niveau.entete.format = 1287;
    struct Case
    {
        qint32 id;
        double dx, dy;
        QStringList textes;
    };
    QMap<QChar, std::vector<Case>> legende;
    const QStringList lignes = texte.split('\n');
    enum { ENTETE, LEGENDE, GRILLE } mode = ENTETE;
    int ligneGrille = 0;
    bool vuLargeur = false, vuHauteur = false;
    for (int i = 0; i < lignes.size(); ++i)
    {
        const QString& brute = lignes[i];
        const QString num = "ligne " + QString::number(i + 1) + " : ";
        if (mode == GRILLE)
        {
            if (brute.trimmed() == "fin")
            {
                mode = ENTETE;
                continue;
            }
            for (int c = 0; c < brute.size(); ++c)
            {
                const QChar ch = brute[c];
                if (ch == '.' || ch == ' ' || ch == '-')
                    continue;
                if (!legende.contains(ch))
                {
                    erreur = num + "caractère « " + QString(ch) + " » absent de la légende";
                    return false;
                }
                for (const Case& k : legende[ch])
                {
                    ElementSource e;
                    e.id = k.id;
                    e.x = 128.0 * c + 64.0 + k.dx;
                    e.y = 128.0 * ligneGrille + 64.0 + k.dy;
                    e.textes = k.textes;
                    niveau.elements.push_back(e);
                }
            }
            ++ligneGrille;
            continue;
        }
        if (mode == LEGENDE)
        {
            // premier caractère de la ligne : la case, lue telle quelle
            const QString t = brute.trimmed();
            if (t.isEmpty())
                continue;
            QStringList m = Mots(t.mid(1));
            m.prepend(t.left(1));
            if (Mots(t) == QStringList{"fin"})
                m = QStringList{"fin"};
            if (m[0] == "fin")
            {
                mode = ENTETE;
                continue;
            }
            if (m[0].size() != 1 || m.size() < 2)
            {
                erreur = num + "légende attendue : <caractère> [@dx,dy] <genre> [textes] [+ pièce...]";
                return false;
            }
            // plusieurs pièces par case, séparées par "+"
            std::vector<Case> pieces;
            int j = 1;
            while (j < m.size())
            {
                Case k{0, 0.0, 0.0, {}};
                if (m[j].startsWith('@'))
                {
                    const QStringList d = m[j].mid(1).split(',');
                    bool o1 = false, o2 = false;
                    if (d.size() == 2)
                    {
                        k.dx = d[0].toDouble(&o1);
                        k.dy = d[1].toDouble(&o2);
                    }
                    if (!o1 || !o2)
                    {
                        erreur = num + "décalage illisible « " + m[j] + " »";
                        return false;
                    }
                    ++j;
                }
                bool ok = false;
                if (j >= m.size() || ((k.id = Genre(m[j], &ok)), !ok))
                {
                    erreur = num + "genre inconnu dans la légende";
                    return false;
                }
                for (++j; j < m.size() && m[j] != "+"; ++j)
                    k.textes << Texte(m[j]);
                if (j < m.size())
                    ++j; // "+"
                pieces.push_back(k);
            }
            legende[m[0][0]] = pieces;
            continue;
        }
        const QStringList m = Mots(brute);
        if (m.isEmpty())
            continue;
        const QString& cle = m[0];
        if (cle == "legende")
            mode = LEGENDE;
        else if (cle == "grille")
        {
            mode = GRILLE;
            ligneGrille = m.size() > 1 ? m[1].toInt() : 0;
        }
        else if (cle == "objet")
        {
            ElementSource e;
            bool ok1 = false, ok2 = false, ok3 = false;
            if (m.size() >= 4)
            {
                e.id = Genre(m[1], &ok1);
                e.x = m[2].toDouble(&ok2);
                e.y = m[3].toDouble(&ok3);
            }
            if (!ok1 || !ok2 || !ok3)
            {
                erreur = num + "objet attendu : objet <genre ou nom> <x> <y> [textes]";
                return false;
            }
            for (int j = 4; j < m.size(); ++j)
                e.textes << Texte(m[j]);
            niveau.elements.push_back(e);
        }
        else if (m.size() == 2 || (cle == "zone" && m.size() >= 2))
        {
            bool ok = true;
            const qint32 v = m[1].toInt(&ok);
            if (cle == "zone")
            {
                niveau.entete.nomZone = Texte(m[1]);
                ok = true;
            }
            else if (cle == "largeur")
                niveau.entete.largeur = v, vuLargeur = true;
            else if (cle == "hauteur")
                niveau.entete.hauteur = v, vuHauteur = true;
            else if (cle == "numero")
                niveau.entete.numero = v;
            else if (cle == "numero_zone")
                niveau.entete.numeroZone = v;
            else if (cle == "acte")
                niveau.entete.numeroActe = v;
            else if (cle == "format")
                niveau.entete.format = v;
            else if (cle == "nombre")
                ; // écrit par la description, recalculé
            else
            {
                erreur = num + "mot-clé inconnu « " + cle + " »";
                return false;
            }
            if (!ok)
            {
                erreur = num + "nombre attendu après « " + cle + " »";
                return false;
            }
        }
        else
        {
            erreur = num + "ligne illisible";
            return false;
        }
    }
    if (mode != ENTETE)
    {
        erreur = "« fin » manquant";
        return false;
    }
    if (!vuLargeur || !vuHauteur)
    {
        erreur = "largeur et hauteur obligatoires";
        return false;
    }
    niveau.entete.nombre = qint32(niveau.elements.size());
    return true;
}

bool SourceNiveau::Ecrire(const NiveauSource& n, QIODevice* sortie)
{
    QDataStream flux(sortie);
    flux.setVersion(QDataStream::Qt_4_6);
    flux.setByteOrder(QDataStream::LittleEndian);
    const EnteteNiveau& e = n.entete;
    flux << qint32(e.largeur) << qint32(e.hauteur) << qint32(e.numero) << e.nomZone << qint32(e.numeroZone)
         << qint32(e.numeroActe) << qint32(e.format) << qint32(n.elements.size());
    for (const ElementSource& el : n.elements)
    {
        flux << qint32(el.id) << el.x << el.y << qint32(el.textes.size());
        for (const QString& t : el.textes)
            flux << t;
    }
    return flux.status() == QDataStream::Ok;
}

QString SourceNiveau::Decrire(QIODevice* carte, const QString& nom, bool* ok)
{
    LecteurNiveau lecteur(carte, nom);
    EnteteNiveau e;
    QString s;
    if (!lecteur.LireEntete(e))
    {
        if (ok)
            *ok = false;
        return s;
    }
    s += "largeur " + QString::number(e.largeur) + "\n";
    s += "hauteur " + QString::number(e.hauteur) + "\n";
    s += "numero " + QString::number(e.numero) + "\n";
    s += "zone " + Citer(e.nomZone) + "\n";
    s += "numero_zone " + QString::number(e.numeroZone) + "\n";
    s += "acte " + QString::number(e.numeroActe) + "\n";
    s += "format " + QString::number(e.format) + "\n";
    s += "nombre " + QString::number(e.nombre) + "\n";
    EnregistrementNiveau r;
    while (lecteur.LireEnregistrement(r))
    {
        s += "objet " + QString::number(r.id) + " " + QString::number(r.x, 'g', 17) + " " +
             QString::number(r.y, 'g', 17);
        for (const QString& t : r.textes)
            s += " " + Citer(t);
        s += "\n";
    }
    if (ok)
        *ok = !lecteur.EnErreur();
    return s;
}

namespace
{
void Parcourir(QuadtreeNode* n, std::vector<ElementScenique*>& tous)
{
    if (!n)
        return;
    tous.insert(tous.end(), n->Elements().begin(), n->Elements().end());
    for (int i = 0; i < 4; ++i)
        Parcourir(n->Enfant(i), tous);
}

// Un sol (segment de gauche à droite) sous le point, à moins de 160 px ?
bool SurUnSol(const std::vector<ElementScenique*>& tous, const sf::Vector2f& p)
{
    for (ElementScenique* e : tous)
    {
        auto* poly = dynamic_cast<PolygoneScenique*>(e);
        if (!poly)
            continue;
        for (Segment* s : poly->Segments())
        {
            if (!(s->Drapeaux() & SEG_SOL) || s->B().x <= s->A().x || p.x < s->A().x || p.x > s->B().x)
                continue;
            const float t = (p.x - s->A().x) / (s->B().x - s->A().x);
            const float y = s->A().y + t * (s->B().y - s->A().y);
            if (y >= p.y && y - p.y <= 160.f)
                return true;
        }
    }
    return false;
}

// Hauteur d'une surface de sol (segment de gauche à droite) d'une plate-forme en x
bool Surface(const Segment* s, float x, float& y)
{
    if (!(s->Drapeaux() & SEG_SOL) || s->B().x <= s->A().x || x < s->A().x || x > s->B().x)
        return false;
    y = s->A().y + (x - s->A().x) / (s->B().x - s->A().x) * (s->B().y - s->A().y);
    return true;
}

bool Plein(int genre)
{
    return genre == 1128050001 || genre == 1128050000;
}

// Un point dans le terrain : dans une tuile pleine, ou sous une surface de sol d'une tuile qui le
// contient sans plafond entre les deux (le segment le plus proche au-dessus de lui, à moins d'une
// tuile, est un sol et non l'intérieur d'une boucle ou d'une voûte). 24 px de tolérance : un objet
// posé peut mordre un peu sur le sol.
bool DansLeTerrain(const std::vector<Plateforme*>& terrain, const sf::Vector2f& p)
{
    float proche = -1e9f;
    bool sol = false;
    for (Plateforme* t : terrain)
    {
        const sf::FloatRect r = t->Encadrement();
        if (Plein(t->Genre()) && p.x > r.left + 8.f && p.x < r.left + r.width - 8.f && p.y > r.top + 8.f &&
            p.y < r.top + r.height - 8.f)
            return true;
        for (Segment* s : t->Segments())
        {
            const float ax = s->A().x, bx = s->B().x;
            if (ax == bx || p.x < std::min(ax, bx) || p.x > std::max(ax, bx))
                continue;
            const float y = s->A().y + (p.x - ax) / (bx - ax) * (s->B().y - s->A().y);
            if (y > p.y - 24.f || y < p.y - 128.f || y <= proche)
                continue;
            proche = y;
            // de gauche à droite : le dessus d'un sol ; sol de la tuile qui contient le point seulement
            sol = ax < bx && (s->Drapeaux() & SEG_SOL) && p.x > r.left + 16.f && p.x < r.left + r.width - 16.f &&
                  p.y > r.top + 16.f && p.y < r.top + r.height - 16.f;
        }
    }
    return sol;
}

// Première surface de terrain rencontrée en descendant depuis y0, en x ; faux s'il n'y en a pas
bool PremiereSurface(const std::vector<Plateforme*>& terrain, float x, float y0, float& y)
{
    bool trouve = false;
    for (Plateforme* t : terrain)
        for (Segment* s : t->Segments())
        {
            float ys;
            if (Surface(s, x, ys) && ys >= y0 && (!trouve || ys < y))
            {
                y = ys;
                trouve = true;
            }
        }
    return trouve;
}

// Largeur de la fente entre le côté d'un moniteur (44 × 64 px) et le premier mur du terrain à sa
// gauche ou à sa droite (un mur : du terrain à mi-hauteur du moniteur et près de son haut, ce qu'une
// pente n'a pas) ; -1 sans mur à moins de 96 px. Le terrain se détecte environ 22 px avant une paroi.
float FenteMoniteur(const std::vector<Plateforme*>& terrain, const sf::Vector2f& p)
{
    float plusPetite = -1.f;
    for (float cote : {-1.f, 1.f})
        for (float k = 0.f; k <= 96.f; k += 2.f)
        {
            const float x = p.x + cote * (22.f + k);
            if (DansLeTerrain(terrain, sf::Vector2f(x, p.y)) && DansLeTerrain(terrain, sf::Vector2f(x, p.y - 24.f)))
            {
                if (plusPetite < 0.f || k + 22.f < plusPetite)
                    plusPetite = k + 22.f;
                break;
            }
        }
    return plusPetite;
}

// Genres qui se vérifient pour l'enfouissement : ce qu'on pose sur le sol ou en l'air
bool ObjetPose(qint32 id)
{
    if (id >= 1000000000 && id <= 1999999999)
        return false;
    switch (id)
    {
    case 1: case 2: case 99:                                  // décors de zone
    case 1000011: case 1000012:                               // bassins
    case 1000041: case 1000042: case 1000061: case 1000062:   // bornes
    case 3000001: case 3000011: case 3000021: case 3000501: case 3000511: case 2000061: // décor
    case SceneGraphique::GENRE_BOUCLE:
    case 9000001: case 8000099: case 8000050:                  // bosses et cinématique
    case 2000363001: case 2000218001: case 2000872001: case 2000634001: case 2000496001: // tubes, vrilles
    case 2000444001: case 2000555001: case 2000666001:         // blocs de tunnel
    case 2000021: case 2000022: case 2000023: case 2000024: case 2000026: case 2000028: // ressorts, au ras du sol
    case 2128426501:                                            // tronc : sort du sol ou de la lave
        return false;
    default:
        return SceneGraphique::GenreConnu(id);
    }
}
}

const std::vector<qint32>& SourceNiveau::GenresDeLaTable()
{
    static const std::vector<qint32> table = {
        1, 2, 99, 1000001, 1000002, 1000005, 1000011, 1000012, 1000041, 1000042, 1000061, 1000062, 2000002,
        2000004, 2000006, 2000008, 2000021, 2000022, 2000023, 2000024, 2000026, 2000028, 2000051, 2000061, 2000071,
        2000099, 2000114, 2000116, 3000001, 3000011, 3000021, 3000501, 3000511, 5000001, 5000010, 5000020, 5000030,
        5000050, 5000110, 5000120, 5000130, 5000140, 5000199, 5000901, 7000010, 7000020, 7000030, 7000040, 7000110,
        7000120, 7000130, 7000210, 7000220, 8000050, 8000099, 9000001, 1000000000, 2000020001, 2000020002,
        2000020003, 2000020004, 2000020011, 2000040001, 2000218001, 2000301008, 2000301012, 2000301016, 2000363001,
        2000444001, 2000555001, 2000666001, 2000496001, 2000634001, 2000872001, SceneGraphique::GENRE_BOUCLE,
        2032020501, 2128020501, 2128020511, 2128426501};
    return table;
}

qint32 SourceNiveau::CleGenre(qint32 id)
{
    return id >= 1000000000 && id <= 1999999999 ? 1000000000 : id;
}

QString SourceNiveau::NomGenre(qint32 cle)
{
    if (cle == 1000000000)
        return QString::fromUtf8("plate-forme");
    if (cle == 99)
        return "zone_0";
    if (cle == 1 || cle == 2)
        return "zone_" + QString::number(cle);
    if (cle == 8000099)
        return "boss_final";
    for (auto i = Noms().begin(); i != Noms().end(); ++i)
        if (i.value() == cle)
            return i.key() + " (" + QString::number(cle) + ")";
    return QString::number(cle);
}

QStringList SourceNiveau::VerifierEnsemble(const std::vector<Bilan>& bilans, const Regles& regles)
{
    QStringList problemes;
    if (regles.genres)
    {
        std::set<qint32> poses;
        for (const Bilan& b : bilans)
            poses.insert(b.genres.begin(), b.genres.end());
        // une boucle pose ses plates-formes et ses bornes de couche
        if (poses.count(SceneGraphique::GENRE_BOUCLE))
            poses.insert({1000000000, 1000041, 1000062});
        QStringList manquants;
        for (qint32 g : GenresDeLaTable())
            if (!poses.count(g))
                manquants << NomGenre(g);
        if (!manquants.isEmpty())
            problemes << QString::number(manquants.size()) + QString::fromUtf8(" genres jamais posés : ") +
                             manquants.join(", ");
    }
    if (regles.actes)
        for (int acte : {1, 2, 4, 5})
        {
            auto b = std::find_if(bilans.begin(), bilans.end(), [acte](const Bilan& x) { return x.numero == acte; });
            if (b == bilans.end())
            {
                problemes << "niveau " + QString::number(acte) + " absent";
                continue;
            }
            if (b->anneaux < 150)
                problemes << "niveau " + QString::number(acte) + " : " + QString::number(b->anneaux) +
                                 " anneaux (150 au moins)";
            if (b->checkpoints < 2 || b->checkpoints > 3)
                problemes << "niveau " + QString::number(acte) + " : " + QString::number(b->checkpoints) +
                                 " points de passage (2 ou 3)";
        }
    return problemes;
}

SourceNiveau::Bilan SourceNiveau::Verifier(const QString& dossier, int n)
{
    Bilan b;
    b.numero = n;
    const QString ancien = LevelManager::Dossier();
    LevelManager::FixerDossier(QDir(dossier).absolutePath() + "/");
    SceneGraphique scene;
    LevelManager chargeur(&scene, nullptr, nullptr, nullptr);
    chargeur.FixerNiveau(n);
    if (chargeur.LireEntete())
    {
        chargeur.PreparerRideau();
        scene.FixerPointDepart(sf::Vector2f(128.f, float(scene.Hauteur())));
        scene.FixerMarge(128);
        std::set<int> inconnus;
        std::vector<EnregistrementNiveau> poses;
        QFile f(LevelManager::Chemin(n));
        if (f.open(QIODevice::ReadOnly))
        {
            LecteurNiveau lecteur(&f, f.fileName());
            EnteteNiveau e;
            EnregistrementNiveau r;
            if (lecteur.LireEntete(e))
                while (lecteur.LireEnregistrement(r))
                {
                    if (r.id != -1 && !SceneGraphique::GenreConnu(r.id))
                        inconnus.insert(r.id);
                    else if (r.id != -1)
                    {
                        b.genres.insert(CleGenre(r.id));
                        b.anneaux += r.id == 5000001;
                        b.checkpoints += r.id == 1000001;
                        if (ObjetPose(r.id))
                            poses.push_back(r);
                    }
                }
            b.lisible = !lecteur.EnErreur();
        }
        b.genres.insert(chargeur.NumeroZone());
        b.inconnus.assign(inconnus.begin(), inconnus.end());
        chargeur.LireElements();
        const SceneGraphique::Comptes& c = scene.ComptesElements();
        b.elements = c.ranges;
        b.horsNiveau = c.horsNiveau;
        std::vector<ElementScenique*> tous;
        if (scene.Index())
            Parcourir(&scene.Index()->Racine(), tous);
        const sf::Vector2f depart = scene.PointDepart();
        b.departX = depart.x;
        b.departY = depart.y;
        b.departSurSol = depart != sf::Vector2f(128.f, float(scene.Hauteur())) && SurUnSol(tous, depart);
        std::vector<Plateforme*> terrain;
        for (ElementScenique* e : tous)
            if (auto* t = dynamic_cast<Plateforme*>(e))
                terrain.push_back(t);
        for (const EnregistrementNiveau& r : poses)
        {
            const sf::Vector2f p(float(r.x), float(r.y));
            if (DansLeTerrain(terrain, p))
                b.enterres << NomGenre(CleGenre(r.id)) + " (" + QString::number(r.x) + ", " + QString::number(r.y) + ")";
            else if (r.id >= 5000010 && r.id <= 5000199)
            {
                // une fente où le héros (60 px) descend sans toucher le sol, entre le moniteur et un mur :
                // il s'y coince, suspendu
                const float fente = FenteMoniteur(terrain, p);
                if (fente >= 24.f && fente < 64.f)
                    b.fentes << NomGenre(CleGenre(r.id)) + " (" + QString::number(r.x) + ", " + QString::number(r.y) +
                                    QString::fromUtf8(") à ") + QString::number(int(fente)) + " px d'un mur";
            }
            if (r.id != 1000002)
                continue;
            // panneau de fin : le sol de sûreté est à y + 48 ; le terrain doit le suivre, plat, sur 1 280 px
            ++b.fins;
            const float sol = p.y + 48.f;
            QString defaut;
            if (p.x + SOL_APRES_FIN > float(scene.Largeur()))
                defaut = QString::number(int(scene.Largeur() - p.x)) + QString::fromUtf8(" px jusqu'au bord du niveau");
            for (float x = p.x; defaut.isEmpty() && x <= p.x + SOL_APRES_FIN; x += 16.f)
            {
                float y;
                if (!PremiereSurface(terrain, x, p.y - 240.f, y))
                    defaut = "pas de sol en x " + QString::number(int(x));
                else if (std::fabs(y - sol) > 16.f)
                    defaut = "sol en y " + QString::number(int(y)) + " en x " + QString::number(int(x)) +
                             QString::fromUtf8(" (attendu ") + QString::number(int(sol)) + ")";
            }
            if (!defaut.isEmpty())
                b.finsSansSol << "panneau (" + QString::number(r.x) + ", " + QString::number(r.y) + ") : " + defaut;
        }
        b.enTete = chargeur.FormatLu() == LevelManager::FORMAT && chargeur.NumeroLu() == n;
        b.zone = chargeur.NomZone();
        b.acte = chargeur.NumeroActe();
        b.largeur = scene.Largeur();
        b.hauteur = scene.Hauteur();
        b.bon = b.lisible && b.enTete && b.inconnus.empty() && b.horsNiveau == 0 && b.departSurSol &&
                b.enterres.isEmpty() && b.finsSansSol.isEmpty() && b.fentes.isEmpty();
    }
    LevelManager::FixerDossier(ancien);
    return b;
}

QString SourceNiveau::DecrireBilan(const Bilan& b)
{
    QString s = QString::number(b.numero) + ".map ";
    if (!b.lisible && b.largeur == 0)
        return s + ": illisible : ÉCHEC";
    s += QString::fromUtf8("« ") + b.zone + QString::fromUtf8(" » acte ") + QString::number(b.acte) + " : " +
         QString::number(b.largeur) + QString::fromUtf8(" × ") + QString::number(b.hauteur) + ", " +
         QString::number(b.elements) + QString::fromUtf8(" éléments, ") + QString::number(b.inconnus.size()) +
         " genres inconnus";
    for (int i : b.inconnus)
        s += " " + QString::number(i);
    s += ", " + QString::number(b.horsNiveau) + QString::fromUtf8(" hors du niveau, départ (") +
         QString::number(b.departX) + ", " + QString::number(b.departY) + ") " +
         (b.departSurSol ? "sur un sol" : "SANS SOL");
    s += ", " + QString::number(b.anneaux) + " anneaux, " + QString::number(b.checkpoints) + " points de passage";
    if (!b.enterres.isEmpty())
        s += QString::fromUtf8(", ENFOUIS : ") + b.enterres.join(", ");
    if (!b.finsSansSol.isEmpty())
        s += QString::fromUtf8(", FIN SANS SOL : ") + b.finsSansSol.join(", ");
    if (!b.fentes.isEmpty())
        s += QString::fromUtf8(", FENTES : ") + b.fentes.join(", ");
    if (!b.enTete)
        s += QString::fromUtf8(", EN-TÊTE FAUX");
    if (!b.lisible)
        s += QString::fromUtf8(", FICHIER ABÎMÉ");
    return s + (b.bon ? " : bon" : QString::fromUtf8(" : ÉCHEC"));
}
