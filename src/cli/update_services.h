#pragma once
#include <cstdint>
#include <vector>

namespace veltra {

class ICrypto;
class IMessagePump;
class IProgramStarter;
class IUrlTransfers;

// What the update commands need beyond the Platform: the URL service, the program starter,
// the message loop that delivers the transfers' reports, and the maker's public key with the
// crypto that checks the server's signed file list (no key: nothing is verified).
struct UpdateServices {
    IUrlTransfers& transfers;
    IProgramStarter& starter;
    IMessagePump& pump;
    ICrypto* crypto = nullptr;
    std::vector<std::uint8_t> updateKey = {};
};

}  // namespace veltra
