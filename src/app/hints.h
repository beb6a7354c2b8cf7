#pragma once
// The hint of every button, slider and picture the user works with, keyed by the control's tag.

#include "edit/controltags.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <vector>

struct R_Hint {
    ControlTag ITag;   ///< a control's tag
    const char *Text;  ///< the hint, UTF-8
};

/// The hint table; the tags are unique.
const std::vector<R_Hint> &HintTable();

/// Qt keeps a control's tag in its "tag" property, as a whole number.
inline void SetTag(QObject *control, ControlTag tag) { control->setProperty("tag", static_cast<int>(tag)); }
/// The tag of a control; None for one without.
inline ControlTag TagOf(const QObject *control) { return static_cast<ControlTag>(control->property("tag").toInt()); }

/// How long a shown hint stays, in milliseconds; the project picture's long text gets longer.
constexpr int HintHidePause = 5000, ProjectHintHidePause = 50000;
