// The program's key HKEY_CURRENT_USER\Software\duza, as a scenario prepares and inspects it.
#pragma once

#include <optional>
#include <string>

namespace e2e {

void DeleteProgramKey();
bool ProgramKeyExists();
void WriteProgramValue(const std::wstring& name, const std::wstring& value);
std::optional<std::wstring> ReadProgramValue(const std::wstring& name);

}  // namespace e2e
