#include "sound/VecteurSon.h"

int TvecteurSon::valeurTrame(std::int64_t i) const {
    switch (formatWave) {
        case TformatWave::f8: return son8(i);
        case TformatWave::f16: return son16(i);
        case TformatWave::f16stereo: return son16s(i, 0);
        case TformatWave::f8stereo: return son8s(i, 0);
        case TformatWave::f24: return zone[3 * i + 1] + 256 * zone[3 * i + 2];
        case TformatWave::f24stereo: return zone[6 * i + 1] + 256 * zone[6 * i + 2];
    }
    return 0;
}
