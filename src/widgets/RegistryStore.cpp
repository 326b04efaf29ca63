// Registry values read and written with the registry class's errors.
#include "widgets/RegistryStore.h"

#include "base/Errors.h"

namespace vocset {

bool RegistryStore::OpenKey(const std::string& path) {
    key_ = registry_.OpenCurrentUserKey(path);
    return key_ != nullptr;
}

bool RegistryStore::ValueExists(const std::string& name) {
    return key_ && key_->Kind(name) != RegistryValueKind::Missing;
}

std::string RegistryStore::ReadString(const std::string& name) {
    if (!key_) return {};
    switch (key_->Kind(name)) {
    case RegistryValueKind::Missing: return {};
    case RegistryValueKind::String: return key_->ReadString(name);
    case RegistryValueKind::Other: break;
    }
    throw InvalidDataType(name);
}

void RegistryStore::WriteString(const std::string& name, const std::string& value) {
    if (!key_ || !key_->WriteString(name, value)) throw FailedToSetData(name);
}

}  // namespace vocset
