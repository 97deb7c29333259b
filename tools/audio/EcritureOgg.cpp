#include "EcritureOgg.h"

#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <memory>

namespace {
struct Fichier
{
    std::FILE* f = nullptr;
    ~Fichier()
    {
        if (f)
            std::fclose(f);
    }
};

bool EcrirePages(ogg_stream_state& flux, std::FILE* f, bool forcer)
{
    ogg_page page;
    while (forcer ? ogg_stream_flush(&flux, &page) : ogg_stream_pageout(&flux, &page)) {
        if (std::fwrite(page.header, 1, page.header_len, f) != static_cast<size_t>(page.header_len)
            || std::fwrite(page.body, 1, page.body_len, f) != static_cast<size_t>(page.body_len))
            return false;
    }
    return true;
}
} // namespace

bool EcrireOgg(const std::string& chemin, const synthe::Signal& g, const synthe::Signal& d,
               float qualite, std::string& erreur)
{
    const bool stereo = !d.empty();
    if (stereo && d.size() != g.size()) {
        erreur = "canaux de longueurs différentes";
        return false;
    }
    Fichier fic;
    fic.f = std::fopen(chemin.c_str(), "wb");
    if (!fic.f) {
        erreur = "impossible d'ouvrir " + chemin + " en écriture";
        return false;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, stereo ? 2 : 1, synthe::FREQ, qualite) != 0) {
        vorbis_info_clear(&info);
        erreur = "réglage de l'encodeur refusé";
        return false;
    }
    vorbis_comment commentaire;
    vorbis_comment_init(&commentaire);
    vorbis_comment_add_tag(&commentaire, "ENCODER", "genere_audio");
    vorbis_dsp_state dsp;
    vorbis_block bloc;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &bloc);
    ogg_stream_state flux;
    ogg_stream_init(&flux, 0x56544f52); // numéro fixe : sortie reproductible

    bool ok = true;
    {
        ogg_packet entete, com, code;
        vorbis_analysis_headerout(&dsp, &commentaire, &entete, &com, &code);
        ogg_stream_packetin(&flux, &entete);
        ogg_stream_packetin(&flux, &com);
        ogg_stream_packetin(&flux, &code);
        ok = EcrirePages(flux, fic.f, true);
    }
    const size_t bloc_max = 4096;
    size_t pos = 0;
    bool fini = false;
    while (ok && !fini) {
        size_t n = std::min(bloc_max, g.size() - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
            fini = true;
        } else {
            float** tampon = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (size_t i = 0; i < n; ++i) {
                tampon[0][i] = g[pos + i];
                if (stereo)
                    tampon[1][i] = d[pos + i];
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            pos += n;
        }
        while (ok && vorbis_analysis_blockout(&dsp, &bloc) == 1) {
            vorbis_analysis(&bloc, nullptr);
            vorbis_bitrate_addblock(&bloc);
            ogg_packet paquet;
            while (ok && vorbis_bitrate_flushpacket(&dsp, &paquet)) {
                ogg_stream_packetin(&flux, &paquet);
                ok = EcrirePages(flux, fic.f, false);
                if (paquet.e_o_s)
                    break;
            }
        }
    }
    if (ok)
        ok = EcrirePages(flux, fic.f, true);
    if (!ok)
        erreur = "écriture interrompue dans " + chemin;

    ogg_stream_clear(&flux);
    vorbis_block_clear(&bloc);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&commentaire);
    vorbis_info_clear(&info);
    return ok;
}
