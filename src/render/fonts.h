#pragma once
// The program's one choice of typeface, so that every window and picture makes it the same way.

#include <QString>

/// Verdana where installed, else DejaVu Sans (one of the program's packages), else the system's
/// sans family.
QString InterfaceFontFamily();
