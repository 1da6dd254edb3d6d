// A driver library that lacks one entry point (_StopGenerateur): the loader must count it
// as absent rather than call what is missing.
#include <cstdint>

#define EXPORTE extern "C" __attribute__((visibility("default")))

EXPORTE std::uint32_t _SetPortOpen(const std::uint16_t*) {
    return 0;
}
EXPORTE std::int32_t _SetPortClose(std::uint32_t) {
    return 0;
}
EXPORTE std::int32_t _ChangeVitesse(std::uint32_t, std::int32_t) {
    return 0;
}
EXPORTE std::int32_t _LanceTHREAD(std::uint32_t) {
    return 0;
}
EXPORTE std::int32_t _IsRunTHREAD() {
    return 0;
}
EXPORTE std::int32_t _StopTHREAD() {
    return 0;
}
EXPORTE std::int32_t _SendH8(const std::uint8_t*, std::int32_t) {
    return 0;
}
EXPORTE std::int32_t _EmptyBuffer() {
    return 0;
}
EXPORTE std::int32_t _GetLenH8() {
    return 0;
}
EXPORTE std::int32_t _GetH8(std::uint8_t*, std::int32_t, std::int32_t) {
    return 0;
}
EXPORTE std::int32_t _StopAcquiLENTE() {
    return 0;
}
EXPORTE std::int32_t _GetVersion() {
    return 0;
}
EXPORTE std::int32_t _LanceGenerateur() {
    return 0;
}
