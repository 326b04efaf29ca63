// A main window over headless widgets and scripted services, in a fresh current directory.
#pragma once

#include "app/TForm1.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"
#include "support/TempFolder.h"

namespace vocset::testing {

struct FormFixture {
    explicit FormFixture(const Language& language = kEnglish) : language(language) {}

    // Builds the window and runs its creation event, as start-up does.
    TForm1& Create() {
        form = std::make_unique<TForm1>(services, language);
        form->events().Run([this] { form->FormCreate(); });
        return *form;
    }
    // Runs one user action the way the platform dispatches it.
    void Act(const std::function<void()>& action) { form->events().Run(action); }

    TempFolder folder;
    RecordingMessageBoxes messages;
    ScriptedDialogs dialogs;
    MemoryRegistry registry;
    ScriptedPump pump;
    PosixFileSystem files;
    FakeLocale locale;
    Services services{messages, dialogs, registry, pump, files, locale};
    const Language& language;
    std::unique_ptr<TForm1> form;
};

}  // namespace vocset::testing
