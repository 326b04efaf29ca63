// What every scenario is given, and the table entry that names it.
#pragma once

#include <string>

#include "Text.h"
#include "ui/Language.h"
#include "ui/TextId.h"

namespace e2e {

struct Context {
    const vocset::Language& language;  // the variant under test
    std::wstring programPath;          // Windows path of vocset.exe
    std::wstring workFolder;           // fresh and empty; the program's current directory
    std::wstring otherProgramPath;     // Windows path of the other variant's vocset.exe; empty if not given

    std::wstring Text(vocset::TextId id) const { return Widen(language.Text(id)); }
    std::wstring WorkFile(const std::wstring& name) const { return workFolder + L"\\" + name; }
};

struct Scenario {
    const wchar_t* name;
    void (*run)(const Context& context);
};

}  // namespace e2e
