#include "Sequenceur.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

using namespace synthe;

namespace sequenceur {

namespace {

const size_t JETONS_MAX = 200000;

std::string Format(int ligne, const std::string& message)
{
    return "ligne " + std::to_string(ligne) + " : " + message;
}

// Découpe une ligne en jetons ; « # » en début de jeton ouvre un commentaire
std::vector<std::string> Jetons(const std::string& ligne)
{
    std::string propre;
    for (size_t i = 0; i < ligne.size(); ++i) {
        char c = ligne[i];
        if (c == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(ligne[i - 1]))))
            break;
        if (c == '(' || c == '|') {
            propre += ' ';
            propre += c;
            propre += ' ';
        } else if (c == ')') {
            propre += ' ';
            propre += c;
        } else {
            propre += c;
        }
    }
    std::istringstream flux(propre);
    std::vector<std::string> j;
    std::string mot;
    while (flux >> mot)
        j.push_back(mot);
    return j;
}

bool LireNombre(const std::string& s, double& v)
{
    if (s.empty())
        return false;
    char* fin = nullptr;
    v = std::strtod(s.c_str(), &fin);
    return fin && *fin == '\0' && std::isfinite(v);
}

bool LireListe(const std::string& s, std::vector<double>& v)
{
    v.clear();
    std::stringstream flux(s);
    std::string morceau;
    while (std::getline(flux, morceau, ',')) {
        double x;
        if (!LireNombre(morceau, x))
            return false;
        v.push_back(x);
    }
    return !v.empty();
}

// Déplie les groupes « ( ... )xN »
bool Deplier(const std::vector<std::string>& entree, size_t& i, int profondeur,
             std::vector<std::string>& sortie, std::string& erreur)
{
    if (profondeur > 8) {
        erreur = "groupes trop imbriqués";
        return false;
    }
    while (i < entree.size()) {
        const std::string& j = entree[i];
        if (j == "(") {
            ++i;
            std::vector<std::string> groupe;
            if (!Deplier(entree, i, profondeur + 1, groupe, erreur))
                return false;
            if (i >= entree.size()) {
                erreur = "parenthèse non fermée";
                return false;
            }
            const std::string& f = entree[i];
            double n = 1;
            if (f.size() > 2 && (f[1] == 'x' || f[1] == '*')) {
                if (!LireNombre(f.substr(2), n) || n < 1 || n > 64 || n != std::floor(n)) {
                    erreur = "répétition invalide « " + f + " »";
                    return false;
                }
            } else if (f != ")") {
                erreur = "fermeture invalide « " + f + " »";
                return false;
            }
            ++i;
            for (int k = 0; k < static_cast<int>(n); ++k) {
                if (sortie.size() + groupe.size() > JETONS_MAX) {
                    erreur = "trop de notes après répétition";
                    return false;
                }
                sortie.insert(sortie.end(), groupe.begin(), groupe.end());
            }
        } else if (j[0] == ')') {
            if (profondeur == 0) {
                erreur = "parenthèse fermante sans ouvrante";
                return false;
            }
            return true;
        } else {
            sortie.push_back(j);
            ++i;
        }
    }
    return true; // une parenthèse restée ouverte est signalée par l'appelant
}

// Durée « :8. » ou « :4t » à partir de la position i ; en temps (noire = 1)
bool LireDuree(const std::string& s, size_t& i, double& duree)
{
    if (i >= s.size() || s[i] != ':')
        return true;
    ++i;
    size_t debut = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i;
    if (i == debut)
        return false;
    int n = std::atoi(s.substr(debut, i - debut).c_str());
    if (n != 1 && n != 2 && n != 4 && n != 8 && n != 16 && n != 32)
        return false;
    duree = 4.0 / n;
    while (i < s.size() && (s[i] == '.' || s[i] == 't')) {
        duree *= s[i] == '.' ? 1.5 : 2.0 / 3.0;
        ++i;
    }
    return true;
}

bool LireNuance(const std::string& s, size_t& i, double& velocite)
{
    velocite = 1.0;
    if (i < s.size() && s[i] == '!') {
        velocite = 1.25;
        ++i;
    } else if (i < s.size() && s[i] == '?') {
        velocite = 0.6;
        ++i;
    }
    return i == s.size();
}

bool LireNote(const std::string& s, size_t& i, double& midi)
{
    static const int classes[7] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    if (i >= s.size() || s[i] < 'a' || s[i] > 'g')
        return false;
    int pc = classes[s[i] - 'a'];
    ++i;
    if (i < s.size() && s[i] == '#') {
        ++pc;
        ++i;
    } else if (i + 1 < s.size() && s[i] == 'b' && std::isdigit(static_cast<unsigned char>(s[i + 1]))) {
        --pc;
        ++i;
    }
    if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i])))
        return false;
    int octave = s[i] - '0';
    ++i;
    midi = 12.0 * (octave + 1) + pc;
    return true;
}

bool LireAccord(const std::string& s, size_t& i, std::vector<double>& hauteurs)
{
    static const int classes[7] = {9, 11, 0, 2, 4, 5, 7};
    static const std::map<std::string, std::vector<int>> qualites = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},          {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},    {"maj7", {0, 4, 7, 11}},   {"m7b5", {0, 3, 6, 10}},
        {"dim", {0, 3, 6}},       {"dim7", {0, 3, 6, 9}},    {"aug", {0, 4, 8}},
        {"sus2", {0, 2, 7}},      {"sus4", {0, 5, 7}},       {"add9", {0, 4, 7, 14}},
        {"madd9", {0, 3, 7, 14}}, {"6", {0, 4, 7, 9}},       {"m6", {0, 3, 7, 9}},
        {"9", {0, 4, 7, 10, 14}}, {"m9", {0, 3, 7, 10, 14}}, {"maj9", {0, 4, 7, 11, 14}},
        {"5", {0, 7}},            {"7sus4", {0, 5, 7, 10}},  {"mmaj7", {0, 3, 7, 11}},
    };
    if (i >= s.size() || s[i] < 'A' || s[i] > 'G')
        return false;
    int racine = classes[s[i] - 'A'];
    ++i;
    if (i < s.size() && s[i] == '#') {
        ++racine;
        ++i;
    } else if (i < s.size() && s[i] == 'b') {
        --racine;
        ++i;
    }
    size_t debut = i;
    while (i < s.size() && s[i] != ':' && s[i] != '!' && s[i] != '?')
        ++i;
    auto it = qualites.find(s.substr(debut, i - debut));
    if (it == qualites.end())
        return false;
    hauteurs.clear();
    for (int iv : it->second)
        hauteurs.push_back(60.0 + racine + iv);
    return true;
}

bool EstBarre(double position, int tempsParMesure)
{
    double r = std::fmod(position + 1e-6, static_cast<double>(tempsParMesure));
    return r < 2e-6;
}

// Lit la ligne d'une piste mélodique ou d'accords
bool LirePiste(const std::vector<std::string>& jetons, bool accords, int tempsParMesure,
               std::vector<Note>& notes, double& position, double& duree, std::string& erreur)
{
    for (const std::string& j : jetons) {
        if (j == "|") {
            if (!EstBarre(position, tempsParMesure)) {
                std::ostringstream m;
                m << "barre de mesure mal placée (au temps " << position << ")";
                erreur = m.str();
                return false;
            }
            continue;
        }
        size_t i = 0;
        Note n;
        bool silence = false, tenue = false;
        if (j[0] == 'r') {
            silence = true;
            i = 1;
        } else if (j[0] == '-') {
            tenue = true;
            i = 1;
        } else {
            double midi = 0.0;
            bool lu = accords ? LireAccord(j, i, n.hauteurs) : LireNote(j, i, midi);
            if (!lu) {
                erreur = std::string(accords ? "accord" : "note") + " illisible « " + j + " »";
                return false;
            }
            if (!accords)
                n.hauteurs.push_back(midi);
        }
        if (!LireDuree(j, i, duree)) {
            erreur = "durée illisible « " + j + " »";
            return false;
        }
        if (!LireNuance(j, i, n.velocite)) {
            erreur = "jeton illisible « " + j + " »";
            return false;
        }
        if (tenue) {
            if (notes.empty() || std::fabs(notes.back().debut + notes.back().duree - position) > 1e-6) {
                erreur = "tenue « - » sans note juste avant";
                return false;
            }
            notes.back().duree += duree;
        } else if (!silence) {
            n.debut = position;
            n.duree = duree;
            notes.push_back(n);
        }
        position += duree;
    }
    return true;
}

bool LireGrille(const std::vector<std::string>& jetons, int futs, int grille, int tempsParMesure,
                std::vector<Frappe>& frappes, double& position, std::string& erreur)
{
    const double pas = 1.0 / grille;
    for (const std::string& j : jetons) {
        if (j == "|") {
            if (!EstBarre(position, tempsParMesure)) {
                erreur = "barre de mesure mal placée dans la grille";
                return false;
            }
            continue;
        }
        for (char c : j) {
            if (c == 'x' || c == 'X' || c == 'o')
                frappes.push_back({position, futs, c == 'X' ? 1.0 : c == 'x' ? 0.8 : 0.45});
            else if (c != '.') {
                erreur = std::string("caractère de grille inconnu « ") + c + " »";
                return false;
            }
            position += pas;
        }
    }
    return true;
}

bool LireInstrument(const std::vector<std::string>& j, Instrument& ins, std::string& erreur)
{
    if (j.size() < 3) {
        erreur = "instrument : nom et forme attendus";
        return false;
    }
    ins.nom = j[1];
    Couche& c = ins.modele;
    c.Env(0.005, 0.1, 0.7, 0.08);
    c.volume = 0.3;
    const std::string& forme = j[2];
    if (forme == "carre")
        c.forme = Forme::Carre;
    else if (forme == "triangle")
        c.forme = Forme::Triangle;
    else if (forme == "scie")
        c.forme = Forme::Scie;
    else if (forme == "sinus")
        c.forme = Forme::Sinus;
    else if (forme == "fm") {
        c.forme = Forme::Sinus;
        c.Fm(1.0, 2.0, 0.5);
    } else if (forme == "bruit")
        c.forme = Forme::BruitTenu;
    else {
        erreur = "forme inconnue « " + forme + " »";
        return false;
    }
    for (size_t k = 3; k < j.size(); ++k) {
        size_t eg = j[k].find('=');
        if (eg == std::string::npos) {
            erreur = "réglage sans « = » : « " + j[k] + " »";
            return false;
        }
        std::string cle = j[k].substr(0, eg), val = j[k].substr(eg + 1);
        std::vector<double> v;
        if (cle == "accords") {
            if (val == "plaque")
                ins.style = Style::Plaque;
            else if (val == "arpege")
                ins.style = Style::Arpege;
            else if (val == "contretemps")
                ins.style = Style::Contretemps;
            else if (val == "croches")
                ins.style = Style::Croches;
            else {
                erreur = "style d'accords inconnu « " + val + " »";
                return false;
            }
            continue;
        }
        if (!LireListe(val, v)) {
            erreur = "valeur illisible pour « " + cle + " »";
            return false;
        }
        auto exiger = [&](size_t n) {
            if (v.size() < n) {
                erreur = "« " + cle + " » attend " + std::to_string(n) + " valeurs";
                return false;
            }
            return true;
        };
        if (cle == "vol")
            c.volume = std::clamp(v[0], 0.0, 4.0);
        else if (cle == "pan")
            c.panoramique = std::clamp(v[0], -1.0, 1.0);
        else if (cle == "env") {
            if (!exiger(4))
                return false;
            c.Env(std::max(v[0], 0.0005), std::max(v[1], 0.001), std::clamp(v[2], 0.0, 1.0),
                  std::clamp(v[3], 0.002, 5.0), v.size() > 4 ? std::clamp(v[4], 0.2, 8.0) : 1.0);
        } else if (cle == "duty")
            c.rapportCyclique = std::clamp(v[0], 0.05, 0.95);
        else if (cle == "fm") {
            if (!exiger(3))
                return false;
            c.Fm(std::clamp(v[0], 0.01, 16.0), std::clamp(v[1], 0.0, 20.0), std::clamp(v[2], 0.0, 20.0));
        } else if (cle == "filtre") {
            c.Filtre(FiltreEtat::PasseBas, std::clamp(v[0], 20.0, 20000.0),
                     std::clamp(v.size() > 1 ? v[1] : v[0], 20.0, 20000.0), v.size() > 2 ? std::clamp(v[2], 0.3, 10.0) : 0.7);
            c.dureeFiltre = v.size() > 3 ? std::clamp(v[3], 0.001, 10.0) : 0.0;
        } else if (cle == "unisson") {
            c.unisson = static_cast<int>(std::clamp(v[0], 1.0, 8.0));
            c.desaccord = v.size() > 1 ? std::clamp(v[1], 0.0, 100.0) : 10.0;
        } else if (cle == "vib") {
            if (!exiger(2))
                return false;
            c.Vib(std::clamp(v[0], 0.0, 40.0), std::clamp(v[1], 0.0, 12.0), v.size() > 2 ? std::max(v[2], 0.0) : 0.0);
        } else if (cle == "trem") {
            if (!exiger(2))
                return false;
            c.Trem(std::clamp(v[0], 0.0, 60.0), std::clamp(v[1], 0.0, 1.0));
        } else if (cle == "porte")
            ins.porte = std::clamp(v[0], 0.05, 1.0);
        else if (cle == "octave")
            ins.octave = 12.0 * std::clamp(v[0], -4.0, 4.0);
        else if (cle == "pas")
            ins.pas = 4.0 / std::clamp(v[0], 1.0, 64.0);
        else if (cle == "centre")
            ins.centre = std::clamp(v[0], 24.0, 100.0);
        else if (cle == "delai")
            ins.envoiDelai = std::clamp(v[0], 0.0, 1.0);
        else if (cle == "reverb")
            ins.envoiReverb = std::clamp(v[0], 0.0, 1.0);
        else {
            erreur = "réglage inconnu « " + cle + " »";
            return false;
        }
    }
    return true;
}

int IndiceFut(const std::string& nom)
{
    const auto& noms = NomsFuts();
    for (size_t k = 0; k < noms.size(); ++k)
        if (noms[k] == nom)
            return static_cast<int>(k);
    return -1;
}

const Instrument* TrouverInstrument(const Morceau& m, const std::string& nom)
{
    for (const Instrument& i : m.instruments)
        if (i.nom == nom)
            return &i;
    return nullptr;
}

} // namespace

const std::vector<std::string>& NomsFuts()
{
    static const std::vector<std::string> noms = {"bd", "sn", "hh", "oh", "cr", "cl", "tb", "th"};
    return noms;
}

bool Lire(const std::string& texte, Morceau& m, std::string& erreur)
{
    m = Morceau();
    std::istringstream flux(texte);
    std::string ligne;
    int numero = 0;
    Section* courante = nullptr;
    std::map<std::string, double> longueurs; // position de chaque piste de la section courante
    std::map<std::string, double> durees;    // dernière durée lue, gardée d'une ligne à l'autre
    auto finirSection = [&]() {
        double attendu = static_cast<double>(courante->mesures) * m.tempsParMesure;
        for (const auto& [piste, pos] : longueurs)
            if (std::fabs(pos - attendu) > 1e-6) {
                std::ostringstream o;
                o << "section « " << courante->nom << " » : la piste « " << piste << " » dure " << pos
                  << " temps au lieu de " << attendu;
                erreur = Format(numero, o.str());
                return false;
            }
        longueurs.clear();
        durees.clear();
        courante = nullptr;
        return true;
    };
    while (std::getline(flux, ligne)) {
        ++numero;
        std::vector<std::string> j = Jetons(ligne);
        if (j.empty())
            continue;
        const std::string& cle = j[0];
        std::string err;
        if (courante) {
            if (cle == "fin") {
                if (!finirSection())
                    return false;
                continue;
            }
            if (cle.back() != ':' || cle.size() < 2) {
                erreur = Format(numero, "« piste: notes » ou « fin » attendu dans une section");
                return false;
            }
            std::string piste = cle.substr(0, cle.size() - 1);
            std::vector<std::string> reste(j.begin() + 1, j.end()), deplie;
            size_t i = 0;
            if (!Deplier(reste, i, 0, deplie, err)) {
                erreur = Format(numero, err);
                return false;
            }
            double& pos = longueurs[piste];
            int fut = IndiceFut(piste);
            bool ok;
            if (fut >= 0) {
                ok = LireGrille(deplie, fut, m.grille, m.tempsParMesure, courante->frappes, pos, err);
            } else {
                const Instrument* ins = TrouverInstrument(m, piste);
                if (!ins) {
                    erreur = Format(numero, "instrument inconnu « " + piste + " »");
                    return false;
                }
                ok = LirePiste(deplie, ins->style != Style::Melodie, m.tempsParMesure, courante->pistes[piste], pos,
                               durees.emplace(piste, 1.0).first->second, err);
            }
            if (!ok) {
                erreur = Format(numero, piste + " : " + err);
                return false;
            }
            continue;
        }
        double v = 0.0;
        auto nombre = [&](size_t k, double mini, double maxi) {
            if (j.size() <= k || !LireNombre(j[k], v) || v < mini || v > maxi) {
                std::ostringstream o;
                o << "« " << cle << " » attend un nombre entre " << mini << " et " << maxi;
                erreur = Format(numero, o.str());
                return false;
            }
            return true;
        };
        if (cle == "tempo") {
            if (!nombre(1, 20, 400))
                return false;
            m.tempo = v;
        } else if (cle == "mesure") {
            if (!nombre(1, 1, 16))
                return false;
            m.tempsParMesure = static_cast<int>(v);
        } else if (cle == "grille") {
            if (!nombre(1, 1, 16))
                return false;
            m.grille = static_cast<int>(v);
        } else if (cle == "volume") {
            if (!nombre(1, -40, -3))
                return false;
            m.efficaceDb = v;
        } else if (cle == "queue") {
            if (!nombre(1, 0.05, 4))
                return false;
            m.queue = v;
        } else if (cle == "boucle") {
            if (j.size() < 2 || (j[1] != "oui" && j[1] != "non")) {
                erreur = Format(numero, "« boucle » attend oui ou non");
                return false;
            }
            m.boucle = j[1] == "oui";
        } else if (cle == "reverb") {
            if (!nombre(1, 0.2, 1.5))
                return false;
            m.reverbTaille = v;
            if (!nombre(2, 0.0, 0.95))
                return false;
            m.reverbAmorti = v;
        } else if (cle == "delai") {
            if (!nombre(1, 0.05, 4))
                return false;
            m.delaiTemps = v;
            if (!nombre(2, 0.0, 0.9))
                return false;
            m.delaiReinjection = v;
        } else if (cle == "instrument") {
            Instrument ins;
            if (!LireInstrument(j, ins, err)) {
                erreur = Format(numero, err);
                return false;
            }
            if (TrouverInstrument(m, ins.nom) || IndiceFut(ins.nom) >= 0) {
                erreur = Format(numero, "nom d'instrument déjà pris « " + ins.nom + " »");
                return false;
            }
            m.instruments.push_back(ins);
        } else if (cle == "batterie") {
            for (size_t k = 1; k < j.size(); ++k) {
                size_t eg = j[k].find('=');
                double x;
                if (eg == std::string::npos || !LireNombre(j[k].substr(eg + 1), x)) {
                    erreur = Format(numero, "réglage de batterie illisible « " + j[k] + " »");
                    return false;
                }
                std::string c = j[k].substr(0, eg);
                if (c == "vol")
                    m.volumeBatterie = std::clamp(x, 0.0, 4.0);
                else if (c == "reverb")
                    m.reverbBatterie = std::clamp(x, 0.0, 1.0);
                else {
                    erreur = Format(numero, "réglage de batterie inconnu « " + c + " »");
                    return false;
                }
            }
        } else if (cle == "section") {
            if (j.size() < 3) {
                erreur = Format(numero, "section : nom et nombre de mesures attendus");
                return false;
            }
            if (m.sections.count(j[1])) {
                erreur = Format(numero, "section déjà définie « " + j[1] + " »");
                return false;
            }
            if (!nombre(2, 1, 512))
                return false;
            Section s;
            s.nom = j[1];
            s.mesures = static_cast<int>(v);
            for (size_t k = 3; k < j.size(); ++k) {
                if (j[k].rfind("tempo=", 0) == 0 && LireNombre(j[k].substr(6), v) && v >= 20 && v <= 400)
                    s.tempo = v;
                else {
                    erreur = Format(numero, "réglage de section inconnu « " + j[k] + " »");
                    return false;
                }
            }
            courante = &m.sections[s.nom];
            *courante = s;
        } else if (cle == "ordre") {
            for (size_t k = 1; k < j.size(); ++k) {
                std::string nom = j[k];
                int transpo = 0;
                size_t signe = nom.find_first_of("+-");
                if (signe != std::string::npos) {
                    double t;
                    if (!LireNombre(nom.substr(signe), t) || std::fabs(t) > 24) {
                        erreur = Format(numero, "transposition illisible « " + nom + " »");
                        return false;
                    }
                    transpo = static_cast<int>(t);
                    nom = nom.substr(0, signe);
                }
                if (!m.sections.count(nom)) {
                    erreur = Format(numero, "section inconnue « " + nom + " »");
                    return false;
                }
                m.ordre.emplace_back(nom, transpo);
            }
        } else {
            erreur = Format(numero, "mot inconnu « " + cle + " »");
            return false;
        }
    }
    if (courante) {
        erreur = Format(numero, "section « " + courante->nom + " » non terminée par « fin »");
        return false;
    }
    if (m.ordre.empty()) {
        erreur = "aucun « ordre » : rien à jouer";
        return false;
    }
    double duree = Duree(m);
    if (duree > DUREE_MAX) {
        erreur = "morceau trop long (" + std::to_string(static_cast<int>(duree)) + " s)";
        return false;
    }
    return true;
}

double Duree(const Morceau& m)
{
    double t = 0.0;
    for (const auto& [nom, transpo] : m.ordre) {
        auto it = m.sections.find(nom);
        if (it == m.sections.end())
            continue;
        double tempo = it->second.tempo > 0 ? it->second.tempo : m.tempo;
        t += it->second.mesures * m.tempsParMesure * 60.0 / tempo;
    }
    return t;
}

namespace {

double Frequence(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

// Les fûts de la batterie, rendus une fois par morceau
std::vector<Signal> Futs()
{
    using F = Forme;
    const int PH = FiltreEtat::PasseHaut, BP = FiltreEtat::PasseBande;
    std::srand(7);
    std::vector<std::vector<Couche>> recettes = {
        {Couche(F::Sinus, 160, 42, 0.0, 0.32, 1.0).Courbe(0.35).Env(0.001, 0.3, 0.0, 0.02, 1.6),
         Couche(F::Bruit, 1, 1, 0.0, 0.012, 0.4).Filtre(PH, 2000, 2000).Env(0.0005, 0.01, 0.0, 0.002)},
        {Couche(F::Bruit, 1, 1, 0.0, 0.2, 0.7).Filtre(BP, 2200, 1500, 0.8).Env(0.001, 0.19, 0.0, 0.01, 2.2),
         Couche(F::Triangle, 200, 160, 0.0, 0.1, 0.6).Env(0.001, 0.09, 0.0, 0.01, 1.5)},
        {Couche(F::Bruit, 1, 1, 0.0, 0.05, 0.45).Filtre(PH, 7500, 7500).Env(0.0005, 0.048, 0.0, 0.002, 3.0)},
        {Couche(F::Bruit, 1, 1, 0.0, 0.32, 0.4).Filtre(PH, 6500, 6500).Env(0.001, 0.3, 0.0, 0.02, 1.4)},
        {Couche(F::Bruit, 1, 1, 0.0, 1.5, 0.45).Filtre(PH, 4500, 3000).Env(0.001, 1.45, 0.0, 0.05, 2.2),
         Couche(F::Sinus, 3100, 3000, 0.0, 1.2, 0.12).Fm(1.47, 3.0, 1.0).Env(0.001, 1.15, 0.0, 0.05, 2.5)},
        {Couche(F::Bruit, 1, 1, 0.0, 0.012, 0.6).Filtre(BP, 1300, 1300, 1.2).Env(0.0005, 0.011, 0.0, 0.001),
         Couche(F::Bruit, 1, 1, 0.011, 0.012, 0.6).Filtre(BP, 1300, 1300, 1.2).Env(0.0005, 0.011, 0.0, 0.001),
         Couche(F::Bruit, 1, 1, 0.022, 0.18, 0.7).Filtre(BP, 1200, 1100, 1.2).Env(0.0005, 0.17, 0.0, 0.01, 2.0)},
        {Couche(F::Sinus, 130, 75, 0.0, 0.32, 0.9).Courbe(0.6).Env(0.001, 0.3, 0.0, 0.02, 1.4)},
        {Couche(F::Sinus, 210, 130, 0.0, 0.26, 0.9).Courbe(0.6).Env(0.001, 0.24, 0.0, 0.02, 1.4)},
    };
    std::vector<Signal> futs;
    for (const auto& r : recettes)
        futs.push_back(RendreCouches(r));
    return futs;
}

void Ajouter(Signal& dest, const Signal& src, long long debut, float gain)
{
    const long long n = static_cast<long long>(dest.size());
    for (size_t i = 0; i < src.size(); ++i) {
        long long k = (debut + static_cast<long long>(i)) % n;
        dest[static_cast<size_t>(k)] += src[i] * gain;
    }
}

// Place les notes d'un accord autour du centre
std::vector<double> Disposer(const std::vector<double>& hauteurs, double centre)
{
    std::vector<double> r;
    for (double h : hauteurs) {
        double x = h;
        while (x < centre - 6.0)
            x += 12.0;
        while (x >= centre + 6.0)
            x -= 12.0;
        r.push_back(x);
    }
    std::sort(r.begin(), r.end());
    r.erase(std::unique(r.begin(), r.end()), r.end());
    return r;
}

} // namespace

bool Rendre(const Morceau& m, Signal& g, Signal& d, std::string& erreur,
            std::vector<std::pair<std::string, double>>* niveaux)
{
    std::vector<std::pair<std::string, double>> bruts;
    struct Passage
    {
        const Section* s;
        int transpo;
        long long debut;
        double spt; // secondes par temps
    };
    std::vector<Passage> passages;
    double t = 0.0;
    for (const auto& [nom, transpo] : m.ordre) {
        auto it = m.sections.find(nom);
        if (it == m.sections.end()) {
            erreur = "section inconnue « " + nom + " »";
            return false;
        }
        double tempo = it->second.tempo > 0 ? it->second.tempo : m.tempo;
        double spt = 60.0 / tempo;
        passages.push_back({&it->second, transpo, static_cast<long long>(std::llround(t * FREQ)), spt});
        t += it->second.mesures * m.tempsParMesure * spt;
    }
    if (t <= 0.0 || t > DUREE_MAX) {
        erreur = "durée du morceau hors limites";
        return false;
    }
    const size_t longueur = static_cast<size_t>(std::llround(t * FREQ));
    const size_t n = m.boucle ? longueur : longueur + static_cast<size_t>(4.0 * FREQ);
    g.assign(n, 0.f);
    d.assign(n, 0.f);
    Signal busDelai(n, 0.f), busReverb(n, 0.f), piste(n, 0.f);

    auto jouer = [&](const Instrument& ins, double midi, long long debut, double secondes, double vel) {
        Couche c = ins.modele;
        c.f0 = c.f1 = Frequence(midi);
        c.duree = secondes + c.env.r;
        c.volume *= vel;
        c.RendreCirculaire(piste, debut, 1.f);
    };

    for (const Instrument& ins : m.instruments) {
        std::fill(piste.begin(), piste.end(), 0.f);
        for (const Passage& p : passages) {
            auto it = p.s->pistes.find(ins.nom);
            if (it == p.s->pistes.end())
                continue;
            for (const Note& note : it->second) {
                auto position = [&](double temps) {
                    return p.debut + static_cast<long long>(std::llround(temps * p.spt * FREQ));
                };
                const double tr = p.transpo + ins.octave;
                if (ins.style == Style::Melodie) {
                    for (double h : note.hauteurs)
                        jouer(ins, h + tr, position(note.debut), note.duree * p.spt * ins.porte, note.velocite);
                    continue;
                }
                std::vector<double> voix = Disposer(note.hauteurs, ins.centre);
                switch (ins.style) {
                case Style::Plaque:
                    for (double h : voix)
                        jouer(ins, h + tr, position(note.debut), note.duree * p.spt * ins.porte, note.velocite);
                    break;
                case Style::Arpege: {
                    std::vector<double> suite = voix;
                    suite.push_back(voix.front() + 12.0);
                    int k = 0;
                    for (double b = 0.0; b < note.duree - 1e-6; b += ins.pas, ++k)
                        jouer(ins, suite[k % suite.size()] + tr, position(note.debut + b), ins.pas * p.spt * ins.porte,
                              note.velocite);
                    break;
                }
                case Style::Contretemps:
                case Style::Croches: {
                    double decal = ins.style == Style::Contretemps ? 0.5 : 0.0;
                    double pas = ins.style == Style::Contretemps ? 1.0 : 0.5;
                    for (double b = decal; b < note.duree - 1e-6; b += pas)
                        for (double h : voix)
                            jouer(ins, h + tr, position(note.debut + b), 0.25 * p.spt * ins.porte, note.velocite);
                    break;
                }
                case Style::Melodie:
                    break;
                }
            }
        }
        bruts.emplace_back(ins.nom, Efficace(piste));
        const double angle = (ins.modele.panoramique + 1.0) * 0.78539816339;
        const float gg = static_cast<float>(std::cos(angle) * 1.41421356);
        const float gd = static_cast<float>(std::sin(angle) * 1.41421356);
        const float sd = static_cast<float>(ins.envoiDelai), sr = static_cast<float>(ins.envoiReverb);
        for (size_t i = 0; i < n; ++i) {
            g[i] += piste[i] * gg;
            d[i] += piste[i] * gd;
            busDelai[i] += piste[i] * sd;
            busReverb[i] += piste[i] * sr;
        }
    }

    // batterie
    bool avecBatterie = false;
    for (const Passage& p : passages)
        avecBatterie = avecBatterie || !p.s->frappes.empty();
    if (avecBatterie) {
        std::vector<Signal> futs = Futs();
        std::fill(piste.begin(), piste.end(), 0.f);
        for (const Passage& p : passages)
            for (const Frappe& f : p.s->frappes)
                Ajouter(piste, futs[static_cast<size_t>(f.futs)],
                        p.debut + static_cast<long long>(std::llround(f.debut * p.spt * FREQ)),
                        static_cast<float>(f.velocite * m.volumeBatterie));
        bruts.emplace_back("batterie", Efficace(piste));
        const float sr = static_cast<float>(m.reverbBatterie);
        for (size_t i = 0; i < n; ++i) {
            g[i] += piste[i];
            d[i] += piste[i];
            busReverb[i] += piste[i] * sr;
        }
    }

    AppliquerDelai(g, d, busDelai, m.delaiTemps * 60.0 / m.tempo, m.delaiReinjection, m.boucle);
    AppliquerReverb(g, d, busReverb, m.reverbTaille, m.reverbAmorti, m.boucle);

    if (!m.boucle) {
        // queue bornée après la dernière mesure, fondue, puis bords propres
        size_t fin = std::min(n, longueur + static_cast<size_t>(m.queue * FREQ));
        const float seuil = static_cast<float>(1e-4 * std::max(Crete(g), Crete(d)));
        while (fin > longueur && std::fabs(g[fin - 1]) < seuil && std::fabs(d[fin - 1]) < seuil)
            --fin;
        fin = std::max(fin, std::min(n, longueur + static_cast<size_t>(0.05 * FREQ)));
        g.resize(fin);
        d.resize(fin);
        const double fondu = std::max(0.05, 0.6 * static_cast<double>(fin - longueur) / FREQ);
        RetirerContinu(g, 20.0);
        RetirerContinu(d, 20.0);
        Fondus(g, 0.002, fondu);
        Fondus(d, 0.002, fondu);
        // quelques millisecondes de silence devant : le codeur ne déborde pas sur le premier échantillon
        const size_t avance = static_cast<size_t>(0.005 * FREQ);
        g.insert(g.begin(), avance, 0.f);
        d.insert(d.begin(), avance, 0.f);
    }

    double efficace = std::sqrt((Efficace(g) * Efficace(g) + Efficace(d) * Efficace(d)) / 2.0);
    if (efficace <= 0.0) {
        erreur = "morceau silencieux";
        return false;
    }
    const float gain = static_cast<float>(DeDb(m.efficaceDb) / efficace);
    for (size_t i = 0; i < g.size(); ++i) {
        g[i] *= gain;
        d[i] *= gain;
    }
    Limiter(g, d, DeDb(CRETE_MUSIQUES_DB), m.boucle);
    if (niveaux) {
        niveaux->clear();
        for (const auto& [nom, e] : bruts)
            niveaux->emplace_back(nom, EnDb(e * gain));
    }
    return true;
}

} // namespace sequenceur
