#pragma once
#include <cstdint>
#include <vector>

namespace veltra {

class ICrypto;
class IFolderTree;
class IMessagePump;
class IProgramStarter;
class IUrlTransfers;

// What the update commands need beyond the Platform: the URL service, the program starter,
// the message loop that delivers the transfers' reports, and the maker's public key with the
// crypto that checks the server's signed file list (no key: nothing is verified); the view
// of a mirror's folder, links told; and whether standard error is a console, where a
// progress line is redrawn in place (elsewhere it would fill a log with redraws).
struct UpdateServices {
    IUrlTransfers& transfers;
    IProgramStarter& starter;
    IMessagePump& pump;
    ICrypto* crypto = nullptr;
    std::vector<std::uint8_t> updateKey = {};
    IFolderTree* mirrorFolder = nullptr;
    bool errorIsConsole = false;
};

}  // namespace veltra
