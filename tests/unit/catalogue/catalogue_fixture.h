#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/vt5_record.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/check_context.h"
#include "catalogue/installed_versions.h"
#include "catalogue/result_list.h"
#include "fakes/fake_platform.h"
#include "sysinfo/vga_info.h"

namespace veltra::testing {

inline constexpr char16_t kWork[] = u"C:\\Veltra\\";

inline std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }
// A file of the source tree (examples, fixtures), empty when missing.
std::vector<unsigned char> SourceFile(const std::string& relativePath);
// The bundled server's catalogues of "DataBase" or "DQATest", each with its path below the server's base.
std::vector<std::pair<std::string, std::vector<unsigned char>>> BundledCatalogues(const std::string& mode);

// A machine with a work folder, an identity and the checks' context over fakes.
struct CheckFixture {
    CheckFixture();

    fakes::FakePlatform fake;
    VT5Record vt5;
    CatalogueFileSet dbf;
    CheckListState checkList;
    RegistryInstalledVersions installed{fake.registry, fake.codePage};
    CheckResultWriter writer{vt5, fake.codePage};
    CheckContext context{vt5, {}, installed, fake.fileSystem, fake.codePage, dbf, writer};
};

}  // namespace veltra::testing
