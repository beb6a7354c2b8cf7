#pragma once
// The text of the information window: the open document's state, the edit mode with what to do
// next, and the properties of the current layer. A pure function, so it is checked without windows.

#include "document/picto.h"
#include "edit/editstate.h"

#include <QStringList>

struct InfoInput {
    const PictoDocument &doc;
    bool allLayers;         ///< b_AllLayers pressed
    bool pointsAndNumbers;  ///< b_NumberAndPoint pressed
    const EditState &edit;  ///< mode, pointer shape of the editing view, sketch flag, point found
};

/// The lines of lb_Info, in order, spaces included.
QStringList InfoLines(const InfoInput &in);

/// A line of lb_Info split into a label and the value that stands in the value column; a line
/// without a value of its own gives an empty value and is shown whole.
struct InfoColumns {
    QString label, value;
};
InfoColumns SplitInfoLine(const QString &line);
