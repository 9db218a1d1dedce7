#include "startup/single_instance.h"

#include "platform/message_box.h"
#include "platform/named_mutex.h"

namespace veltra {

bool AcquireSingleInstance(INamedMutexes& mutexes, IMessageBox& messageBox) {
    constexpr char16_t kName[] = u"Veltra 5";
    if (mutexes.OpenExisting(kName)) {
        messageBox.Show(u"Veltra 5 already running.", kName);
        return false;
    }
    switch (mutexes.CreateOwned(kName)) {
        case MutexCreateResult::Created: return true;
        case MutexCreateResult::AlreadyExisted: messageBox.Show(u"Veltra 5 is already running.", kName); return false;
        case MutexCreateResult::Failed: break;
    }
    messageBox.Show(u"Veltra 5 mutex can not be created.", kName);
    return false;
}

}  // namespace veltra
