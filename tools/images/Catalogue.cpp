#include "Catalogue.h"

#include "DessinBoss.h"
#include "DessinEnnemis.h"
#include "DessinHeros.h"
#include "DessinTerrain.h"
#include "DessinObjets.h"
#include "DessinZones.h"
#include "DessinEcrans.h"

std::vector<Planche> Catalogue::Toutes()
{
    std::vector<Planche> t = DessinEcrans::Toutes();
    t.push_back(DessinHeros::Feuille(0));
    t.push_back(DessinHeros::Feuille(1));
    t.push_back(DessinHeros::Poussiere());
    t.push_back(DessinHeros::Anneau());
    t.push_back(DessinHeros::Bulle());
    t.push_back(DessinHeros::Moniteurs());
    t.push_back(DessinHeros::Boucliers());
    for (auto& p : DessinEnnemis::Toutes()) t.push_back(p);
    for (auto& p : DessinBoss::Toutes()) t.push_back(p);
    for (auto& p : DessinObjets::Communs()) t.push_back(p);
    for (int z : {1, 2, 99})
    {
        t.push_back(DessinTerrain::Planche128(z));
        t.push_back(DessinTerrain::PlancheXl(z));
        for (auto& p : DessinObjets::DeZone(z)) t.push_back(p);
        for (auto& p : DessinZones::ArrierePlans(z)) t.push_back(p);
    }
    for (auto& p : DessinZones::Decors()) t.push_back(p);
    return t;
}
