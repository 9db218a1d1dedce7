// One update file fetched by the program's URL service and worker, in turns without and
// with the check of its size and SHA-256 that a signed list asks for, so the check's cost
// shows beside the same transfer without it:
//   veltra-verified-download.exe URL SIZE SHA256 FOLDER [ROUNDS]
// Prints each mode's best throughput of the rounds in MiB/s; exits 1 when a transfer fails.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench_support.h"
#include "core/text.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_update_host.h"
#include "transfer/transfer_limits.h"
#include "transfer/win32/win32_url_transfers.h"
#include "trust/manifest_fields.h"

namespace {

class EndWatch final : public veltra::IDownloadEvents {
public:
    void OnDownloadProgress(const veltra::DownloadProgress*) override {}
    void OnEndDownload() override { ended = true; }
    void OnTransferTick(std::uint64_t) override {}
    void OnStopRequested() override {}
    bool ended = false;
};

// Milliseconds of one transfer, negative when it failed.
double Fetch(veltra::Win32UrlTransfers& transfers, const std::wstring& url, const std::wstring& file,
             const veltra::TransferRules& rules) {
    EndWatch events;
    veltra::Win32MessagePump pump;
    const double start = NowMs();
    if (!transfers.Start(veltra::FromWide(url), veltra::FromWide(file), rules, events)) return -1;
    pump.PumpUntil([&events] { return events.ended; });
    const double elapsed = NowMs() - start;
    return transfers.Finish().empty() ? elapsed : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) return 2;
    const std::wstring url = argv[1];
    const std::optional<veltra::Sha256Digest> digest = veltra::ParseDigestHex(veltra::Utf16ToUtf8(veltra::FromWide(argv[3])));
    if (!digest) return 2;
    const int rounds = argc > 5 ? _wtoi(argv[5]) : 3;
    const double mebibytes = _wtof(argv[2]) / 1048576.0;
    veltra::TransferRules plain = veltra::BuildTransferLimits().Rules(true);
    veltra::TransferRules verified = plain;
    verified.expected = veltra::ExpectedFile{static_cast<std::uint64_t>(_wtoi64(argv[2])), *digest};
    veltra::Win32UrlTransfers transfers;
    double best[2] = {1e300, 1e300};
    for (int round = 0; round < rounds; ++round) {
        for (int mode = 0; mode < 2; ++mode) {
            const double ms = Fetch(transfers, url, std::wstring(argv[4]) + L"\\update.exe", mode == 0 ? plain : verified);
            if (ms < 0) return 1;
            best[mode] = std::min(best[mode], ms);
        }
    }
    std::printf("unverified %.1f\nverified %.1f\n", mebibytes * 1000.0 / best[0], mebibytes * 1000.0 / best[1]);
    return 0;
}
