// Compiles the text form of the server's device tables into "DRVList.rec" and "VIDDID.rec".
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "catalogue/device_tables.h"

int main(int argc, char** argv) {
    const std::string kind = argc == 4 ? argv[1] : "";
    if (kind != "drvlist" && kind != "viddid") {
        std::cerr << "usage: catalogue-tables drvlist|viddid TEXT_FILE OUTPUT_FILE\n";
        return 2;
    }
    std::ifstream input(argv[2], std::ios::binary);
    if (!input) {
        std::cerr << "catalogue-tables: cannot read " << argv[2] << '\n';
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    const veltra::TableText table = kind == "drvlist" ? veltra::CompileDriverTable(text) : veltra::CompileVidDidTable(text);
    if (!table.error.empty()) {
        std::cerr << "catalogue-tables: " << argv[2] << ": " << table.error << '\n';
        return 1;
    }
    std::ofstream output(argv[3], std::ios::binary | std::ios::trunc);
    output.write(reinterpret_cast<const char*>(table.bytes.data()), static_cast<std::streamsize>(table.bytes.size()));
    return output ? 0 : 1;
}
