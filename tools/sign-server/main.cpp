// sign-server: writes the signed manifests of an update server's tree (docs/signed-updates.md).
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "sign_server.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    const veltra::ParsedSignOptions parsed = veltra::ParseSignOptions(words, static_cast<std::int64_t>(std::time(nullptr)));
    if (!parsed.options) {
        std::cerr << "sign-server: " << parsed.error << "\n" << veltra::kSignUsage;
        return veltra::kUsageExit;
    }
    return veltra::SignServer(*parsed.options, std::cout, std::cerr);
}
