#pragma once
// The program's two books: the help book in Help/ and the snowman tutorial in SnowMen/.

#include "books/bookwindow.h"

/// "Pomoc programu Merisko®": 592 × 568, index pane 96 pixels high.
class T_Help : public BookWindow {
    Q_OBJECT
public:
    /// programFolder: the folder of the executable, holding Help/.
    explicit T_Help(const QString &programFolder, ErrorReporter reportError = {}, QWidget *parent = nullptr);
};

/// "Jak narysować Bałwanka?": 592 × 909, index pane 34 pixels high, the snowman as its icon.
class T_SnowMen : public BookWindow {
    Q_OBJECT
public:
    /// programFolder: the folder of the executable, holding SnowMen/.
    explicit T_SnowMen(const QString &programFolder, ErrorReporter reportError = {}, QWidget *parent = nullptr);
};
