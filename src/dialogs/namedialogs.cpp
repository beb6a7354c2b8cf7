#include "dialogs/namedialogs.h"

#include "files/filename.h"

NameDialogBase::NameDialogBase(QWidget *parent, const QString &caption, int clientWidth, int editWidth, int okLeft,
                               const QString &initial)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_WindowPropagation);  // the main window's font, so "Bałwanek" fits its place
    setFixedSize(clientWidth, 94 + ReasonHeight);  // a fixed dialog border, with room for the reason line
    n_Name = new QLabel(QStringLiteral("Nazwa"), this);
    n_Name->setObjectName("n_Name");
    n_Name->setGeometry(8, 3, editWidth, 16);
    e_NameP = new QLineEdit(this);
    e_NameP->setObjectName("e_NameP");
    e_NameP->setGeometry(8, 22, editWidth, 22);
    l_Reason = new QLabel(this);
    l_Reason->setObjectName("l_Reason");
    l_Reason->setGeometry(8, 47, clientWidth - 12, ReasonHeight);  // under the field, to the edge
    QPalette warning = l_Reason->palette();
    warning.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10));
    l_Reason->setPalette(warning);
    // A pixel smaller than the dialog's text, so the longest reason fits the narrower dialog.
    QFont small = font();
    small.setPixelSize(std::max(8, QFontInfo(small).pixelSize() - 1));
    l_Reason->setFont(small);
    b_OK = new QPushButton(QStringLiteral("OK"), this);
    b_OK->setObjectName("b_OK");
    b_OK->setGeometry(okLeft, 61 + ReasonHeight, 75, 25);
    b_OK->setDefault(true);
    b_Cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    b_Cancel->setObjectName("b_Cancel");
    b_Cancel->setGeometry(okLeft + 81, 61 + ReasonHeight, 75, 25);
    connect(e_NameP, &QLineEdit::textChanged, this, [this] { e_NamePChange(); });
    connect(b_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    e_NameP->setText(initial);
    e_NamePChange();
}

void NameDialogBase::e_NamePChange()
{
    const QString refusal = FileNameRefusal(e_NameP->text());
    b_OK->setEnabled(refusal.isEmpty());
    l_Reason->setText(refusal);
}

void NameDialogBase::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Every opening starts in the name field with the whole name selected, so typing replaces it,
    // also after OK or Anuluj took the focus with a click the last time.
    if (e_NameP->isEnabled()) {
        e_NameP->setFocus(Qt::OtherFocusReason);
        e_NameP->selectAll();
    }
}

T_Nowy::T_Nowy(QWidget *parent)
    : NameDialogBase(parent, QStringLiteral("Nowy piktogram"), 241, 225, 8, QStringLiteral("000 Nowy.vkz"))
{
    setObjectName("T_Nowy");
    cb_Example = new QCheckBox(QStringLiteral("Bałwanek"), this);
    cb_Example->setObjectName("cb_Example");
    cb_Example->setGeometry(170, 69 + ReasonHeight, 70, 17);
    // The box has 70 pixels to the dialog's edge: a pixel smaller, the whole word fits beside it.
    QFont small = font();
    small.setPixelSize(std::max(8, QFontInfo(small).pixelSize() - 1));
    cb_Example->setFont(small);
    connect(cb_Example, &QCheckBox::toggled, this, [this] { cb_ExampleClick(); });
    connect(b_OK, &QPushButton::clicked, this, [this] {
        b_OkClick();
        accept();
    });
}

void T_Nowy::FormActivate()
{
    Example = false;
    cb_Example->setChecked(false);  // unchecking restores "000 Nowy.vkz" through cb_ExampleClick
}

void T_Nowy::cb_ExampleClick()
{
    const bool example = cb_Example->isChecked();
    n_Name->setVisible(!example);
    e_NameP->setEnabled(!example);
    e_NameP->setText(example ? QStringLiteral("999 Bałwanek.vkz") : QStringLiteral("000 Nowy.vkz"));
}

void T_Nowy::b_OkClick()
{
    Name_P = e_NameP->text();
    Example = cb_Example->isChecked();
}

void T_Nowy::showEvent(QShowEvent *e)
{
    FormActivate();
    NameDialogBase::showEvent(e);
}

// 265 pixels wide: a title bar with the window's buttons then still shows the whole caption.
T_Save::T_Save(QWidget *parent)
    : NameDialogBase(parent, QStringLiteral("Zapisz piktogram jako"), 265, 249, 101,
                     QStringLiteral("999 Piktogram.vkz"))
{
    setObjectName("T_Save");
    connect(b_OK, &QPushButton::clicked, this, [this] {
        b_OkClick();
        accept();
    });
}

void T_Save::b_OkClick() { Name_P = e_NameP->text(); }

QtNameDialogs::QtNameDialogs(QWidget *parent) : Nowy(parent), Save(parent) {}

bool QtNameDialogs::AskNewPicto(QString &name, bool &example)
{
    if (Nowy.exec() != QDialog::Accepted)
        return false;
    name = Nowy.Name_P;
    example = Nowy.Example;
    return true;
}

bool QtNameDialogs::AskSaveName(QString &name)
{
    if (Save.exec() != QDialog::Accepted)
        return false;
    name = Save.Name_P;
    return true;
}
