#pragma once
#include <string>

namespace veltra {

enum class MutexCreateResult { Created, AlreadyExisted, Failed };

// Cross-process named mutexes. A mutex created here stays held until the object is destroyed.
class INamedMutexes {
public:
    virtual ~INamedMutexes() = default;
    // True when a mutex of that name exists and could be opened.
    virtual bool OpenExisting(const std::u16string& name) = 0;
    // Creates the mutex owned by the caller and keeps its handle.
    virtual MutexCreateResult CreateOwned(const std::u16string& name) = 0;
    // Creates (or opens) the mutex without owning it and keeps its handle; false on failure.
    virtual bool CreateUnowned(const std::u16string& name) = 0;
};

}  // namespace veltra
