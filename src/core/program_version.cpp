#include "core/program_version.h"

namespace veltra {

std::u16string ProgramVersion() { return u"" VELTRA_VERSION; }

}  // namespace veltra
