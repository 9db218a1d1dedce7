#pragma once
#include <cstdint>
#include <ostream>
#include <string>

namespace veltra {

class IClock;

// "file 2 of 5, 1.5 MiB of 20.0 MiB, 300 KiB/s: XBIOS/QB-7100/130/QB-7100.exe"
std::string MirrorProgressLine(int file, int files, std::uint64_t done, std::uint64_t total, std::int64_t seconds,
                               const std::string& path);

// A mirror run's progress on standard error: on a console one line redrawn in place, into
// a pipe or a file one plain line per file when it ends.
class MirrorProgress {
public:
    MirrorProgress(std::ostream& err, bool console, IClock& clock, int files, std::uint64_t bytes);

    void Begin(const std::string& path, std::uint64_t size);
    void Percent(int percent);
    // The current file is done (fetched or not): its bytes count as passed.
    void End();
    // Ends the redrawn line before anything else is written.
    void Finish();

private:
    void Draw(std::uint64_t done);
    std::int64_t Elapsed();

    std::ostream& err_;
    bool console_;
    IClock& clock_;
    std::int64_t start_;
    int files_;
    std::uint64_t total_;
    int file_ = 0;
    std::uint64_t passed_ = 0;
    std::uint64_t size_ = 0;
    std::string path_;
    bool drawn_ = false;
};

}  // namespace veltra
