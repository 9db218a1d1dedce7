#pragma once

namespace veltra {

class INamedMutexes;
class IMessageBox;

// The single-instance rule: true when this process now holds the "Veltra 5" mutex; false
// after showing the one message that says why not.
bool AcquireSingleInstance(INamedMutexes& mutexes, IMessageBox& messageBox);

}  // namespace veltra
