// An open or save dialog's properties, kept between uses; Execute runs the platform's dialog.
#pragma once

#include <string>

#include "widgets/Services.h"

namespace vocset {

enum class FileDialogKind { Open, Save };

class FileDialog {
public:
    FileDialog(FileDialogKind kind, FileDialogRunner& runner) : kind_(kind), runner_(runner) {}

    FileDialogKind Kind() const { return kind_; }
    // Pairs of description and pattern joined by "|", e.g. "WAV file|*.wav".
    std::string filter;
    int filterIndex = 1;  // counted from 1
    std::string defaultExt;
    std::string fileName;
    std::string initialDir;

    // True when the user confirmed a name, which is then in fileName.
    bool Execute() { return runner_.Execute(*this); }

private:
    FileDialogKind kind_;
    FileDialogRunner& runner_;
};

}  // namespace vocset
