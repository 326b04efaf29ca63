// vocset_e2e: drives the real vocset.exe through its scenarios; the exit status says whether all passed.
//   vocset_e2e.exe <path of vocset.exe> <en|ru> [--other <the other variant's vocset.exe>] [scenario ...]
//   vocset_e2e.exe <path of vocset.exe> <en|ru> --time-decoding <megabytes>   (for bench/wine-decoding.sh)
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Check.h"
#include "DecodingTiming.h"
#include "Folder.h"
#include "Registry.h"
#include "Scenarios.h"
#include "support/CrashFilter.h"

namespace {

using e2e::Narrow;

int Usage() {
    std::printf(
        "usage: vocset_e2e.exe <path of vocset.exe> <en|ru> [--other <the other variant's vocset.exe>] [scenario ...]\n"
        "       vocset_e2e.exe <path of vocset.exe> <en|ru> --time-decoding <megabytes>\nscenarios:");
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

enum class Outcome { Passed, Skipped, Failed };

// Each scenario starts from a first run: no registry key, an empty work folder of its own.
Outcome Run(const e2e::Scenario& scenario, const vocset::Language& language, const std::wstring& program,
            const std::wstring& otherProgram) {
    const std::string name = Narrow(scenario.name);
    std::printf("[ RUN    ] %s\n", name.c_str());
    std::fflush(stdout);
    Outcome outcome = Outcome::Passed;
    try {
        e2e::DeleteProgramKey();
        const e2e::Context context{language, program, CurrentFolder() + L"\\" + scenario.name, otherProgram};
        e2e::MakeEmptyFolder(context.workFolder);
        scenario.run(context);
        std::printf("[     OK ] %s\n", name.c_str());
    } catch (const e2e::ScenarioSkipped& reason) {
        std::printf("[ SKIPPED] %s\n    %s\n", name.c_str(), reason.what());
        outcome = Outcome::Skipped;
    } catch (const std::exception& failure) {  // a ScenarioFailure, or an error of the driver's own
        std::printf("[ FAILED ] %s\n    %s\n", name.c_str(), failure.what());
        outcome = Outcome::Failed;
    }
    std::fflush(stdout);
    return outcome;
}

int TimeDecoding(const vocset::Language& language, const std::wstring& program, const std::wstring& megabytes) {
    try {
        e2e::TimeDecoding({language, program, CurrentFolder(), {}}, std::stoi(megabytes));
    } catch (const std::exception& failure) {
        std::printf("time-decoding failed: %s\n", failure.what());
        return 1;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    vocset::testing::InstallCrashFilter();
    _setmode(_fileno(stdout), _O_BINARY);  // the messages are UTF-8, with Unix line ends

    if (argc < 3) return Usage();
    const std::wstring languageName = argv[2];
    if (languageName != L"en" && languageName != L"ru") return Usage();
    const vocset::Language& language = languageName == L"en" ? vocset::kEnglish : vocset::kRussian;
    std::vector<std::wstring> names(argv + 3, argv + argc);
    if (names.size() == 2 && names[0] == L"--time-decoding") return TimeDecoding(language, argv[1], names[1]);
    std::wstring otherProgram;
    if (names.size() >= 2 && names[0] == L"--other") {
        otherProgram = names[1];
        names.erase(names.begin(), names.begin() + 2);
    }
    const auto scenarios = Chosen(names);
    if (scenarios.size() != names.size() && !names.empty()) return Usage();

    int failed = 0;
    int skipped = 0;
    for (const auto& scenario : scenarios) {
        const Outcome outcome = Run(scenario, language, argv[1], otherProgram);
        failed += outcome == Outcome::Failed ? 1 : 0;
        skipped += outcome == Outcome::Skipped ? 1 : 0;
    }
    std::printf("%d of %d scenarios passed, %d skipped (%s)\n", static_cast<int>(scenarios.size()) - failed - skipped,
                static_cast<int>(scenarios.size()), skipped, Narrow(languageName).c_str());
    return failed == 0 ? 0 : 1;
}
