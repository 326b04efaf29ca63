// A main window over headless widgets and scripted services, in a fresh current directory.
#pragma once

#include "app/TForm1.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"
#include "support/TempFolder.h"

namespace vocset::testing {

struct FormFixture {
    explicit FormFixture(const Language& language = kEnglish) : language(language) {}

    // Builds the window and runs its creation event, as start-up does. While a box of its own is
    // open, the window is inactive, as the platform reports it.
    TForm1& Create() {
        form = std::make_unique<TForm1>(services, language);
        messages.opened = dialogs.opened = [this](bool open) {
            openBoxes += open ? 1 : -1;
            form->Focus().SetWindowActive(openBoxes == 0);
        };
        form->Dispatcher().Run([this] { form->FormCreate(); });
        return *form;
    }
    // Runs one user action the way the platform dispatches it.
    void Act(const std::function<void()>& action) { form->Dispatcher().Run(action); }
    // The user puts the keyboard focus on a control (a click or Tab).
    void FocusOn(Control& control) {
        Act([this, &control] { form->Focus().UserMovedTo(control); });
    }
    // The user types into an edit with the caret at the end, as far as its length limit lets them.
    void Type(Edit& edit, const std::string& keys) {
        for (char key : keys) {
            Act([&edit, key] {
                const char16_t passed = edit.UserKeyPress(static_cast<char16_t>(key));
                const bool full = edit.MaxLength() > 0 && static_cast<int>(edit.Text().size()) >= edit.MaxLength();
                if (passed == u'\b' && !edit.Text().empty())
                    edit.UserSetText(edit.Text().substr(0, edit.Text().size() - 1));
                if (passed >= u' ' && !full) edit.UserSetText(edit.Text() + static_cast<char>(passed));
            });
        }
    }
    // "Save configuration file" into the current folder; the 512 bytes written.
    std::vector<std::uint8_t> SaveImage() {
        dialogs.answers.push_back("duza.ini");
        Act([this] { form->BitBtn1.Click(); });
        return ReadBytes("duza.ini");
    }

    TempFolder folder;
    RecordingMessageBoxes messages;
    ScriptedDialogs dialogs;
    MemoryRegistry registry;
    ScriptedPump pump;
    PosixFileSystem files;
    FakeLocale locale;
    FakeClock clock;
    Services services{messages, dialogs, registry, pump, files, locale, clock};
    const Language& language;
    std::unique_ptr<TForm1> form;
    int openBoxes = 0;
};

}  // namespace vocset::testing
