#pragma once

namespace veltra {

class CWmiQuery;
class ICodePage;
class PciBus;
struct BiosDriverOutcome;
struct Platform;
struct VT5Record;

// The two readers of the machine that the identification needs besides the platform; the
// I/O driver is reached through the PCI bus, which is enumerated once for every reader.
struct HardwareAccess {
    PciBus& pci;
    CWmiQuery& wmi;
};

// The board from the BIOS-access driver's answer: "UNKNOWN" model and version when it did
// not identify the board; otherwise model and version parsed from its identification
// string, the vendor as it reports it, and their log line.
void IdentifyBoardFromBiosDriver(const BiosDriverOutcome& outcome, ICodePage& codePage, VT5Record& vt5);

// The main set-up's identification after the BIOS-access driver is loaded, in order: board,
// PCI scan, graphics card and its list, the management fallback for a board identity that
// did not parse, the Home page copies, the video BIOS.
void RunHardwareIdentification(Platform& platform, HardwareAccess& hardware, const BiosDriverOutcome& outcome,
                               VT5Record& vt5);

}  // namespace veltra
