#include "acquisition/OrdresVelta.h"

void OrdresW(TordresAcquisition& ordres) {
    ordres.ordreProgramme =
        "WPE 1 " + std::to_string(kPointsAcquisition) + " " + std::to_string(kPeriode * 10) + " 1" + " 11";
    ordres.ordreLance = "WGOAR 127 M";
}

void OrdresVQ(TordresAcquisition& ordres) {
    ordres.ordreProgrammeVQ = "YPEA " + std::to_string(kPointsAcquisition) + " 9 0 10 A0";
    ordres.ordreLanceVQ = "YGO A 0 M 0 0 0";
    ordres.ordreResulVQ = "YRESUL! 0 " + std::to_string(kPointsAcquisition - 1);
}
