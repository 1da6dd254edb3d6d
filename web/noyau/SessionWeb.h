// The page's state, as the desktop's session and window keep it: the sound record, b and s,
// the first frame shown, the play selection and its band being dragged, the cursors, and the
// pictures of both views. The page's scripts only forward the user's actions here and show
// what comes back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graph/CurseurTemps.h"
#include "graph/ImagePixels.h"
#include "graph/LecturesRepere.h"
#include "graph/ModeleVue.h"
#include "sound/EnregistrementSon.h"
#include "sound/Langue.h"
#include "sound/Resultat.h"

// What is played: the sound, its digitised version or the error between them.
enum class TsourceLecture : int { sSon = 0, sNumerise = 1, sErreur = 2 };

class TsessionWeb {
public:
    // The WAV file `nom` of the page's file system, through the desktop's reader. True when
    // the sound was cut to the record's capacity. A refused file leaves everything as it was.
    Tresultat<bool> OuvreWav(const std::string& nom);
    // 16-bit samples, interleaved, of one or two channels (a decoded file, a recording): kept
    // up to the record's capacity. True when cut.
    Tresultat<bool> OuvrePcm(const std::int16_t* echantillons, int voies, std::int64_t trames,
                             std::uint32_t frequence);
    bool AUnSon() const { return aUnSon_; }
    const TenregistrementSon& Son() const { return son_; }

    // The track bars' values; the digitised sound follows at once.
    void Regle(int bits, int pas);
    int Bits() const { return bits_; }
    int Pas() const { return pas_; }
    // The detail view's first frame; the strip's band follows at once.
    void FixeDebut(std::int32_t trame);
    void FixeAvecTemps(bool avecTemps) { avecTemps_ = avecTemps; }
    void FixeAvecErreur(bool avecErreur) { avecErreur_ = avecErreur; }
    // The page's language: that of the texts built here and of the duration label's figures.
    void FixeLangue(Tlangue langue) { langue_ = langue; }
    Tlangue Langue() const { return langue_; }

    // The views redrawn whole at the given canvas size and pixel ratio.
    void DessineDetail(int largeur, int hauteur, double echelle);
    void DessineApercu(int largeur, int hauteur, double echelle);
    const TimagePixels& ImageDetail() const { return detail_; }
    const TimagePixels& ImageApercu() const { return apercu_; }
    const TlecturesRepere& Lectures() const { return lectures_; }

    // A click on the detail view at canvas column x: the main cursor, or with Shift the
    // duration cursor. The detail view is redrawn.
    void Clique(int x, bool maj);

    // The strip's band, pressed, dragged and released at canvas columns; true when it moved.
    TcurseurTemps Presse(int x);
    TcurseurTemps Prise(int x) const;
    bool Glisse(int x);
    void Lache(int x);
    std::int32_t DebutSelection() const { return debutS_; }
    std::int32_t FinSelection() const { return finS_; }

    // The sampling animation on the detail view: cleared, then step n.
    void EffaceAnimation();
    void PasAnimation(std::int32_t n);

    // The samples of the play selection as floats in -1..1, one channel after the other.
    const std::vector<float>& Echantillons(TsourceLecture source);
    const std::vector<float>& DerniereLecture() const { return lecture_; }

    // The digitised sound as the desktop saves it, into the file `nom` of the page's file system.
    Tresultat<> EcritNumerise(const std::string& nom) const;

private:
    TmodeleVue Modele(int largeur, int hauteur, double echelle) const;
    TmodeleVue ModeleDetail() const;
    void NouveauSon();
    void ComposeApercu();

    TenregistrementSon son_;
    std::unique_ptr<TvecteurSon> erreur_;
    bool aUnSon_ = false;
    int bits_ = 8;
    Tlangue langue_ = Tlangue::francais;
    int pas_ = 1;
    std::int32_t debut_ = 0;
    std::int32_t debutS_ = 0;
    std::int32_t finS_ = -1;
    std::int32_t repere_ = 0;
    std::int32_t repereTemps_ = 0;
    bool avecTemps_ = false;
    bool avecErreur_ = false;
    double echelleDetail_ = 1;
    double echelleApercu_ = 1;

    // The strip's curve without its bands, so that a drag redraws the bands alone.
    TimagePixels courbeApercu_;
    TimagePixels apercu_;
    TimagePixels detail_;
    TlecturesRepere lectures_;
    TcurseurTemps prise_ = TcurseurTemps::curNormal;
    TbandeSelection bande_;

    std::vector<float> lecture_;
};
