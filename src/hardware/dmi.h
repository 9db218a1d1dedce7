#pragma once

namespace veltra {

class IHardwareIo;

// True when the legacy "_DMI_" entry point lies in the BIOS ROM window and byte 0x14 of the
// first structure of its table (System BIOS Major Release in a type 0 structure) is 4.
// Any failed read, an absent anchor or a table address that wraps past 4 GiB gives false.
bool IsDmiBiosMajorRelease4(IHardwareIo& io);

}  // namespace veltra
