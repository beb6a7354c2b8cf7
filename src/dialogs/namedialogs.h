#pragma once
// The two small dialogs that ask for a document's file name, created once and reused, and the
// NameDialogs the window hands to the document shelf.

#include "files/namedialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

/// Label, edit box, the reason line and OK/Anuluj shared by both dialogs; OK follows the file-name rule.
class NameDialogBase : public QDialog {
public:
    QString Name_P;  ///< the accepted name
    QLabel *n_Name = nullptr;
    QLineEdit *e_NameP = nullptr;
    QLabel *l_Reason = nullptr;  ///< under the edit box: why OK is greyed out, empty while it is not
    QPushButton *b_OK = nullptr, *b_Cancel = nullptr;
    /// Pixels the reason line adds to the dialog's height; the buttons sit that much lower.
    static constexpr int ReasonHeight = 14;

    /// Enables OK exactly when the text is an acceptable document name, and says why when it is not.
    void e_NamePChange();

protected:
    /// clientWidth, editWidth, okLeft: pixels of the dialog's client area.
    NameDialogBase(QWidget *parent, const QString &caption, int clientWidth, int editWidth, int okLeft,
                   const QString &initial);
    void showEvent(QShowEvent *e) override;
};

/// "Nowy piktogram": a name, or the built-in example "Bałwanek".
class T_Nowy : public NameDialogBase {
public:
    explicit T_Nowy(QWidget *parent = nullptr);
    bool Example = false;  ///< the example was chosen
    QCheckBox *cb_Example = nullptr;

    void FormActivate();
    void cb_ExampleClick();
    void b_OkClick();

protected:
    void showEvent(QShowEvent *e) override;
};

/// "Zapisz piktogram jako".
class T_Save : public NameDialogBase {
public:
    explicit T_Save(QWidget *parent = nullptr);
    void b_OkClick();
};

/// The real dialogs, shown modally and centred on their parent.
class QtNameDialogs : public NameDialogs {
public:
    explicit QtNameDialogs(QWidget *parent);
    bool AskNewPicto(QString &name, bool &example) override;
    bool AskSaveName(QString &name) override;

    T_Nowy Nowy;
    T_Save Save;
};
