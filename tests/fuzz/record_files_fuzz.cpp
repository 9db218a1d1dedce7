// Record files as found on disk: any bytes in History.rec, Veltra.rec, LastTime.rec,
// Reminder.rec or VGACardList.rec must read without a fault; an append leaves History.rec as
// whole records, the reminder gives a sound schedule, a whole record on disk and an alarm on a
// calendar day, and a card's name never outgrows its field.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/calendar.h"
#include "core/last_scan.h"
#include "core/vt5_record.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_wmi.h"
#include "history/history.h"
#include "platform/windows1252.h"
#include "schedule/alarm_clock.h"
#include "schedule/reminder_due.h"
#include "schedule/reminder_record.h"
#include "sysinfo/vga_card.h"
#include "sysinfo/vga_info.h"
#include "sysinfo/wmi_query.h"

namespace {

void CheckReminder(veltra::fakes::FakeFileSystem& files, veltra::fakes::FakeClock& clock) {
    const std::u16string path = u"C:\\Reminder.rec";
    const veltra::ReminderRecord record = veltra::LoadReminder(files, path, clock);
    const std::vector<unsigned char> stored = files.Contents(path);
    if (!veltra::ParseReminder(stored) || *veltra::ParseReminder(stored) != record) __builtin_trap();
    bool lastRunDue = false;
    veltra::IsReminderDue(record.saved, record, clock.now, lastRunDue);
    veltra::IsPeriodicReminderDue(clock.now, record.saved, record);
    veltra::AlarmState state = veltra::AppliedState(record, veltra::WallSeconds(record.saved));
    if (!veltra::IsCalendarDate(veltra::FromWallSeconds(state.target))) __builtin_trap();
    veltra::AlarmFiresNow(state, veltra::WallSeconds(clock.now));
}

// The card list, looked up with a device id from the file's first bytes so that some match.
void CheckCardList(veltra::fakes::FakeFileSystem& files, veltra::ICodePage& codePage, const std::uint8_t* data,
                   std::size_t size) {
    veltra::fakes::FakeWmi wmi;
    veltra::CWmiQuery query(wmi);
    veltra::VT5Record vt5;
    vt5.sWorkPath = u"C:\\";
    vt5.pVGA = std::make_shared<veltra::VGAInfo>();
    vt5.pVGA->nDeviceID = size < 2 ? 0 : data[0] | data[1] << 8;
    veltra::LookupVgaCardList(files, query, codePage, vt5);
    if (vt5.pVGA->sCardName.size() > veltra::kVgaCardNameBytes) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltra::fakes::FakeFileSystem files;
    for (const char16_t* name : {u"C:\\History.rec", u"C:\\Veltra.rec", u"C:\\LastTime.rec", u"C:\\Reminder.rec",
                                 u"C:\\VT5\\DL_INFO\\VGACardList.rec"}) {
        files.AddFile(name, std::vector<unsigned char>(data, data + size));
    }
    veltra::Windows1252CodePage codePage;
    veltra::fakes::FakeClock clock;

    veltra::HistoryFile history(files, codePage, u"C:\\History.rec");
    const veltra::HistoryList before = history.ReadHistoryList();
    veltra::HistoryRecord staging;
    staging.SetItem(codePage, u"MB BIOS", u"Board", u"F2", u"text");
    history.AppendHistory(staging, clock);
    const std::size_t whole = size / veltra::HistoryLayout::kRecordBytes;
    if (files.Contents(u"C:\\History.rec").size() != (whole + 1) * veltra::HistoryLayout::kRecordBytes) __builtin_trap();
    const veltra::HistoryList after = history.ReadHistoryList();
    if (after.count != std::min(before.count + 1, veltra::kHistoryEntries)) __builtin_trap();
    if (after.entries[static_cast<std::size_t>(after.count)][3] != u"Board") __builtin_trap();

    veltra::LastScanRecord lastScan(files, u"C:\\Veltra.rec");
    veltra::DateTime tLastScan;
    lastScan.ShowLastScan(tLastScan);
    lastScan.SaveLastScan(1, clock);
    if (files.Contents(u"C:\\Veltra.rec").size() < 16) __builtin_trap();
    veltra::ReadLastTime(files, u"C:\\LastTime.rec", 0);
    CheckReminder(files, clock);
    CheckCardList(files, codePage, data, size);
    return 0;
}
