#pragma once

namespace veltra {

class IMessagePump;
class IProgramStarter;
class IUrlTransfers;

// What the update commands need beyond the Platform: the URL service, the program starter
// and the message loop that delivers the transfers' reports.
struct UpdateServices {
    IUrlTransfers& transfers;
    IProgramStarter& starter;
    IMessagePump& pump;
};

}  // namespace veltra
