// The registry object of the run: a root of HKEY_CURRENT_USER and at most one open key.
#pragma once

#include <memory>
#include <string>

#include "widgets/Services.h"

namespace vocset {

class RegistryStore {
public:
    explicit RegistryStore(Registry& registry) : registry_(registry) {}
    // Opens the key, creating it when missing; false when it can be neither opened nor created.
    bool OpenKey(const std::string& path);
    void CloseKey() { key_.reset(); }

    // False when no key is open.
    bool ValueExists(const std::string& name);
    // Throws InvalidDataType for a value that is not a string; empty for a missing value.
    std::string ReadString(const std::string& name);
    // Throws FailedToSetData when no key is open or the write fails.
    void WriteString(const std::string& name, const std::string& value);

private:
    Registry& registry_;
    std::unique_ptr<RegistryKey> key_;
};

}  // namespace vocset
