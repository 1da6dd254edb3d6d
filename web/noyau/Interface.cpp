// The module's exported functions: plain C calls over one session, which the page's scripts
// reach as Module._sx_...; texts come back as UTF-8 strings that stay valid until the next call
// that gives one, pictures as RGBA rows (the layout of a canvas's ImageData).
#include <emscripten/emscripten.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "SessionWeb.h"
#include "graph/Chaines.h"
#include "sound/Debit.h"
#include "sound/Numerisation.h"
#include "sound/RapportSignalBruit.h"
#include "sound/RouteFichier.h"
#include "sound/Traduction.h"

namespace {

TsessionWeb session;
std::string texte;
std::string message;
std::vector<std::uint32_t> rgba;
// The English of the core's failure texts by context and French text, given by sx_traduction.
std::map<std::pair<std::string, std::string>, std::string> anglaisCoeur;

// What sx_texte gives, by number.
enum TtexteNumero : int {
    tBits = 0,
    tFrequence = 1,
    tBitsSon = 2,
    tFrequenceSon = 3,
    tRapport = 4,
    tDebit = 5,
    tVoie = 6,
    tDecimal = 7,
    tBinaire = 8,
    tHexa = 9,
    tDuree = 10,
    tMessage = 11,
};

// -1 and the message on failure; 1 when the sound was cut to the record's capacity, else 0.
int Ouverture(const Tresultat<bool>& r) {
    if (!r) {
        message = r.Message();
        return -1;
    }
    return r.Valeur() ? 1 : 0;
}

// 0xFFRRGGBB words (bytes B, G, R, A in memory) become 0xFFBBGGRR (bytes R, G, B, A): red
// and blue swap places.
const std::uint8_t* EnRgba(const TimagePixels& image) {
    rgba.resize(image.pixels.size());
    std::uint32_t* o = rgba.data();
    for (const std::uint32_t p : image.pixels)
        *o++ = (p & 0xFF00FF00u) | (p >> 16 & 0xFFu) | (p & 0xFFu) << 16;
    return reinterpret_cast<const std::uint8_t*>(rgba.data());
}

// The core's translator in the English page; a text it lacks stays French.
std::string EnAnglais(const char* contexte, const char* francais) {
    const auto trouve = anglaisCoeur.find({contexte, francais});
    return trouve != anglaisCoeur.end() ? trouve->second : francais;
}

}  // namespace

extern "C" {

// The road the desktop would give the file `nom`: 0 our WAV reader, 1 the MP3 decoder, 2 another
// decoder; the page hands the last two to the browser's decoder.
EMSCRIPTEN_KEEPALIVE int sx_route(const char* nom) {
    return static_cast<int>(ChoisitRoute(nom).route);
}

EMSCRIPTEN_KEEPALIVE int sx_ouvre_wav(const char* nom) {
    return Ouverture(session.OuvreWav(nom));
}

EMSCRIPTEN_KEEPALIVE int sx_ouvre_pcm(const std::int16_t* echantillons, int voies, double trames,
                                      double frequence) {
    return Ouverture(session.OuvrePcm(echantillons, voies, static_cast<std::int64_t>(trames),
                                      static_cast<std::uint32_t>(frequence)));
}

EMSCRIPTEN_KEEPALIVE int sx_trames() {
    return session.AUnSon() ? session.Son().NbrePoints : 0;
}

EMSCRIPTEN_KEEPALIVE double sx_frequence() {
    return session.Son().FreqEch;
}

EMSCRIPTEN_KEEPALIVE int sx_voies() {
    return EstStereo(session.Son().Format()) ? 2 : 1;
}

EMSCRIPTEN_KEEPALIVE int sx_capacite(int voies) {
    return TramesMax(voies == 2 ? TformatWave::f16stereo : TformatWave::f16);
}

EMSCRIPTEN_KEEPALIVE void sx_regle(int bits, int pas) {
    session.Regle(bits, pas);
}

EMSCRIPTEN_KEEPALIVE void sx_fixe_debut(int trame) {
    session.FixeDebut(trame);
}

EMSCRIPTEN_KEEPALIVE void sx_fixe_options(int avecTemps, int avecErreur) {
    session.FixeAvecTemps(avecTemps != 0);
    session.FixeAvecErreur(avecErreur != 0);
}

// 1 English, 0 French: the language of the texts that sx_texte builds and of the core's failure
// messages, English from what sx_traduction gave.
EMSCRIPTEN_KEEPALIVE void sx_fixe_langue(int anglais) {
    session.FixeLangue(anglais != 0 ? Tlangue::anglais : Tlangue::francais);
    InstalleTraducteur(anglais != 0 ? EnAnglais : nullptr);
}

// The English of one of the core's failure texts, given before sx_fixe_langue(1).
EMSCRIPTEN_KEEPALIVE void sx_traduction(const char* contexte, const char* francais, const char* anglais) {
    anglaisCoeur[{contexte, francais}] = anglais;
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* sx_dessine_detail(int largeur, int hauteur, double echelle) {
    session.DessineDetail(largeur, hauteur, echelle);
    return EnRgba(session.ImageDetail());
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* sx_dessine_apercu(int largeur, int hauteur, double echelle) {
    session.DessineApercu(largeur, hauteur, echelle);
    return EnRgba(session.ImageApercu());
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* sx_image_detail() {
    return EnRgba(session.ImageDetail());
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* sx_image_apercu() {
    return EnRgba(session.ImageApercu());
}

EMSCRIPTEN_KEEPALIVE void sx_clique(int x, int maj) {
    session.Clique(x, maj != 0);
}

// The duration label: visible or not, and its place in window pixels from the view's top left.
EMSCRIPTEN_KEEPALIVE int sx_temps_visible() {
    return session.Lectures().tempsVisible ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int sx_temps_gauche() {
    return session.Lectures().tempsLeft;
}

EMSCRIPTEN_KEEPALIVE int sx_temps_haut() {
    return session.Lectures().tempsTop;
}

// The grab under column x (0 none, 1 start edge, 2 end edge, 3 the whole band).
EMSCRIPTEN_KEEPALIVE int sx_prise(int x) {
    return static_cast<int>(session.Prise(x));
}

EMSCRIPTEN_KEEPALIVE int sx_presse(int x) {
    return static_cast<int>(session.Presse(x));
}

EMSCRIPTEN_KEEPALIVE int sx_glisse(int x) {
    return session.Glisse(x) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void sx_lache(int x) {
    session.Lache(x);
}

EMSCRIPTEN_KEEPALIVE int sx_debut_selection() {
    return session.DebutSelection();
}

EMSCRIPTEN_KEEPALIVE int sx_fin_selection() {
    return session.FinSelection();
}

EMSCRIPTEN_KEEPALIVE void sx_efface_animation() {
    session.EffaceAnimation();
}

EMSCRIPTEN_KEEPALIVE void sx_pas_animation(int n) {
    session.PasAnimation(n);
}

// The play selection's samples (0 the sound, 1 digitised, 2 the error), one channel after
// the other; sx_taille_lecture gives how many floats.
EMSCRIPTEN_KEEPALIVE const float* sx_echantillons(int source) {
    return session.Echantillons(static_cast<TsourceLecture>(source)).data();
}

EMSCRIPTEN_KEEPALIVE int sx_taille_lecture() {
    return static_cast<int>(session.DerniereLecture().size());
}

// 0, or -1 and the message.
EMSCRIPTEN_KEEPALIVE int sx_ecrit_numerise(const char* nom) {
    const auto ecrit = session.EcritNumerise(nom);
    if (ecrit) return 0;
    message = ecrit.Message();
    return -1;
}

EMSCRIPTEN_KEEPALIVE const char* sx_texte(int numero) {
    const TenregistrementSon& son = session.Son();
    const TlecturesRepere& l = session.Lectures();
    const bool present = session.AUnSon();
    switch (numero) {
        case tBits:
            texte = TexteLabelBits(session.Bits());
            break;
        case tFrequence:
            texte = TexteLabelFreq(son.FreqEch, session.Pas());
            break;
        case tBitsSon:
            texte = present ? TexteLabelBits0(son.NBits) : "";
            break;
        case tFrequenceSon:
            texte = present ? TexteLabelFreq0(son.FreqEch) : "";
            break;
        case tRapport:
            texte = TexteRapportSignalBruit(RapportSignalBruitMesure(*son.vecteurSon, *son.vecteurSonSousEch,
                                                                     present ? son.NbrePoints : 0),
                                            session.Bits(), session.Langue());
            break;
        case tDebit:
            texte = present ? TexteDebit(son.FreqEch, session.Pas(), session.Bits(), son.Format(),
                                         son.NbrePoints, session.Langue())
                            : "";
            break;
        case tVoie:
            texte = present ? TexteVoieMontree(*son.vecteurSon, son.NbrePoints, session.Langue()) : "";
            break;
        case tDecimal:
            texte = l.decimal;
            break;
        case tBinaire:
            texte = l.binaire;
            break;
        case tHexa:
            texte = l.hexa;
            break;
        case tDuree:
            texte = l.tempsTexte;
            break;
        case tMessage:
            texte = message;
            break;
        default:
            texte.clear();
    }
    return texte.c_str();
}
}
