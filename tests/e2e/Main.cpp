// vocset_e2e: drives the real vocset.exe through its scenarios; the exit status says whether all passed.
//   vocset_e2e.exe <path of vocset.exe> <en|ru> [scenario ...]
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Check.h"
#include "Folder.h"
#include "Registry.h"
#include "Scenarios.h"

namespace {

using e2e::Narrow;

// A crash of the driver must fail the run: under Wine an unhandled one can end with status 0.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* exception) {
    std::printf("vocset_e2e crashed with exception 0x%08lX\n", exception->ExceptionRecord->ExceptionCode);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

int Usage() {
    std::printf("usage: vocset_e2e.exe <path of vocset.exe> <en|ru> [scenario ...]\nscenarios:");
    for (const auto& scenario : e2e::AllScenarios()) std::printf(" %s", Narrow(scenario.name).c_str());
    std::printf("\n");
    return 2;
}

std::vector<e2e::Scenario> Chosen(const std::vector<std::wstring>& names) {
    std::vector<e2e::Scenario> chosen;
    for (const auto& scenario : e2e::AllScenarios()) {
        bool wanted = names.empty();
        for (const auto& name : names) wanted = wanted || name == scenario.name;
        if (wanted) chosen.push_back(scenario);
    }
    return chosen;
}

std::wstring CurrentFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetCurrentDirectoryW(MAX_PATH, folder.data()));
    return folder;
}

// Each scenario starts from a first run: no registry key, an empty work folder of its own.
bool Run(const e2e::Scenario& scenario, const vocset::Language& language, const std::wstring& program) {
    const std::string name = Narrow(scenario.name);
    std::printf("[ RUN    ] %s\n", name.c_str());
    std::fflush(stdout);
    try {
        e2e::DeleteProgramKey();
        const e2e::Context context{language, program, CurrentFolder() + L"\\" + scenario.name};
        e2e::MakeEmptyFolder(context.workFolder);
        scenario.run(context);
    } catch (const std::exception& failure) {  // a ScenarioFailure, or an error of the driver's own
        std::printf("[ FAILED ] %s\n    %s\n", name.c_str(), failure.what());
        std::fflush(stdout);
        return false;
    }
    std::printf("[     OK ] %s\n", name.c_str());
    std::fflush(stdout);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(EndOnCrash);
    _setmode(_fileno(stdout), _O_BINARY);  // the messages are UTF-8, with Unix line ends

    if (argc < 3) return Usage();
    const std::wstring languageName = argv[2];
    if (languageName != L"en" && languageName != L"ru") return Usage();
    const vocset::Language& language = languageName == L"en" ? vocset::kEnglish : vocset::kRussian;
    const std::vector<std::wstring> names(argv + 3, argv + argc);
    const auto scenarios = Chosen(names);
    if (scenarios.size() != names.size() && !names.empty()) return Usage();

    int failed = 0;
    for (const auto& scenario : scenarios) failed += Run(scenario, language, argv[1]) ? 0 : 1;
    std::printf("%d of %d scenarios passed (%s)\n", static_cast<int>(scenarios.size()) - failed,
                static_cast<int>(scenarios.size()), Narrow(languageName).c_str());
    return failed == 0 ? 0 : 1;
}
