#pragma once
// The hint of every button, slider and picture the user works with, keyed by the control's tag.

#include <QString>

#include <vector>

struct R_Hint {
    int ITag;          ///< a control's tag
    const char *Text;  ///< the hint, UTF-8
};

/// The hint table; the tags are unique.
const std::vector<R_Hint> &HintTable();

/// How long a shown hint stays, in milliseconds; the project picture's long text gets longer.
constexpr int HintHidePause = 5000, ProjectHintHidePause = 50000;
