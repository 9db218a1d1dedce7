#include "cli/mirror_progress.h"

#include <algorithm>
#include <cstdio>

#include "cli/plain_text.h"
#include "platform/clock.h"

namespace veltra {
namespace {

std::string SizeText(std::uint64_t bytes) {
    char text[32];
    if (bytes < 1024 * 1024) {
        std::snprintf(text, sizeof text, "%llu KiB", static_cast<unsigned long long>(bytes / 1024));
    } else {
        std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    }
    return text;
}

}  // namespace

std::string MirrorProgressLine(int file, int files, std::uint64_t done, std::uint64_t total, std::int64_t seconds,
                               const std::string& path) {
    const std::uint64_t rate = done / static_cast<std::uint64_t>(std::max<std::int64_t>(seconds, 1));
    return "file " + std::to_string(file) + " of " + std::to_string(files) + ", " + SizeText(done) + " of " +
           SizeText(total) + ", " + SizeText(rate) + "/s: " + PlainText(path);
}

MirrorProgress::MirrorProgress(std::ostream& err, bool console, IClock& clock, int files, std::uint64_t bytes)
    : err_(err), console_(console), clock_(clock), start_(clock.ToSeconds(clock.LocalNow())), files_(files), total_(bytes) {}

void MirrorProgress::Begin(const std::string& path, std::uint64_t size) {
    ++file_;
    path_ = path;
    size_ = size;
    if (console_) Draw(passed_);
}

void MirrorProgress::Percent(int percent) {
    if (console_) Draw(passed_ + size_ * static_cast<std::uint64_t>(std::clamp(percent, 0, 100)) / 100);
}

void MirrorProgress::End() {
    passed_ += size_;
    if (!console_) err_ << MirrorProgressLine(file_, files_, passed_, total_, Elapsed(), path_) << '\n' << std::flush;
}

void MirrorProgress::Finish() {
    if (drawn_) err_ << '\n' << std::flush;
    drawn_ = false;
}

void MirrorProgress::Draw(std::uint64_t done) {
    err_ << '\r' << MirrorProgressLine(file_, files_, done, total_, Elapsed(), path_) << "\x1b[K" << std::flush;
    drawn_ = true;
}

std::int64_t MirrorProgress::Elapsed() { return clock_.ToSeconds(clock_.LocalNow()) - start_; }

}  // namespace veltra
