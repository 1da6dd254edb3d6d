#include "platform/PiloteVQ2.h"

#include <QDir>
#include <QFileInfo>

namespace {

TpiloteVQ2* pilote = nullptr;

template <typename F>
bool Resout(QLibrary& bibliotheque, const char* nom, F& point) {
    point = reinterpret_cast<F>(bibliotheque.resolve(nom));
    return point != nullptr;
}

}  // namespace

TpiloteVQ2::TpiloteVQ2(const QString& dossier) {
    const QString chemin = QDir(dossier).filePath(kNomBibliothequeVQ2);
    if (!QFileInfo::exists(chemin)) return;
    bibliotheque_.setFileName(chemin);
    if (!bibliotheque_.load()) return;
    TpointsEntreeVQ2& p = points_;
    bool tous = true;
    tous &= Resout(bibliotheque_, "_SetPortOpen", p.SetPortOpen);
    tous &= Resout(bibliotheque_, "_SetPortClose", p.SetPortClose);
    tous &= Resout(bibliotheque_, "_ChangeVitesse", p.ChangeVitesse);
    tous &= Resout(bibliotheque_, "_LanceTHREAD", p.LanceTHREAD);
    tous &= Resout(bibliotheque_, "_IsRunTHREAD", p.IsRunTHREAD);
    tous &= Resout(bibliotheque_, "_StopTHREAD", p.StopTHREAD);
    tous &= Resout(bibliotheque_, "_SendH8", p.SendH8);
    tous &= Resout(bibliotheque_, "_EmptyBuffer", p.EmptyBuffer);
    tous &= Resout(bibliotheque_, "_GetLenH8", p.GetLenH8);
    tous &= Resout(bibliotheque_, "_GetH8", p.GetH8);
    tous &= Resout(bibliotheque_, "_StopAcquiLENTE", p.StopAcquiLENTE);
    tous &= Resout(bibliotheque_, "_GetVersion", p.GetVersion);
    tous &= Resout(bibliotheque_, "_LanceGenerateur", p.LanceGenerateur);
    tous &= Resout(bibliotheque_, "_StopGenerateur", p.StopGenerateur);
    if (!tous) {
        points_ = {};
        bibliotheque_.unload();
        return;
    }
    vq2OK_ = true;
}

TpiloteVQ2::~TpiloteVQ2() {
    if (bibliotheque_.isLoaded()) bibliotheque_.unload();
}

void InstallePiloteVQ2(TpiloteVQ2* p) {
    pilote = p;
}

TpiloteVQ2* PiloteVQ2() {
    return pilote;
}
