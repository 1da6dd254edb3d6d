// Replays fuzz inputs without the fuzzer: every file named, and every file under every folder
// named, goes once through the target. Used by ctest so the corpus and past crashes stay fixed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

void Rejoue(const std::filesystem::path& fichier, int& n) {
    std::ifstream f(fichier, std::ios::binary);
    const std::vector<char> octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
    ++n;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
    int n = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path chemin = argv[i];
        if (std::filesystem::is_directory(chemin)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(chemin))
                if (e.is_regular_file()) Rejoue(e.path(), n);
        } else if (std::filesystem::exists(chemin)) {
            Rejoue(chemin, n);
        }
    }
    std::printf("%d entrées rejouées\n", n);
    return n > 0 ? 0 : 1;
}
