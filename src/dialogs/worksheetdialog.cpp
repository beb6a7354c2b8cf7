#include "dialogs/worksheetdialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

T_Worksheet::T_Worksheet(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName("T_Worksheet");
    setWindowTitle(QStringLiteral("Arkusz do druku"));
    setAttribute(Qt::WA_WindowPropagation);

    auto *which = new QGroupBox(QStringLiteral("Które piktogramy"), this);
    rb_Clicked = new QRadioButton(which);
    rb_Clicked->setObjectName("rb_Clicked");
    rb_All = new QRadioButton(QStringLiteral("wszystkie z folderu Result"), which);
    rb_All->setObjectName("rb_All");
    auto *group = new QButtonGroup(this);
    group->addButton(rb_Clicked);
    group->addButton(rb_All);
    auto *whichLayout = new QVBoxLayout(which);
    whichLayout->addWidget(rb_Clicked);
    whichLayout->addWidget(rb_All);

    cb_PerPage = new QComboBox(this);
    cb_PerPage->setObjectName("cb_PerPage");
    for (int n : WorksheetSizes())
        cb_PerPage->addItem(QString::number(n), n);
    auto *perPage = new QHBoxLayout;
    auto *perPageLabel = new QLabel(QStringLiteral("Piktogramów na stronie:"), this);
    perPageLabel->setBuddy(cb_PerPage);
    perPage->addWidget(perPageLabel);
    perPage->addWidget(cb_PerPage);
    perPage->addStretch();

    cb_Names = new QCheckBox(QStringLiteral("Nazwy pod piktogramami"), this);
    cb_Names->setObjectName("cb_Names");
    cb_CutLines = new QCheckBox(QStringLiteral("Linie do cięcia"), this);
    cb_CutLines->setObjectName("cb_CutLines");

    b_OK = new QPushButton(QStringLiteral("OK"), this);
    b_OK->setObjectName("b_OK");
    b_OK->setDefault(true);
    b_Cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    b_Cancel->setObjectName("b_Cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_OK);
    buttons->addWidget(b_Cancel);
    connect(b_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(which);
    layout->addLayout(perPage);
    layout->addWidget(cb_Names);
    layout->addWidget(cb_CutLines);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for its title and a document name of usual length; longer names widen it.
    which->setMinimumWidth(300);
    adjustSize();
}

void T_Worksheet::Show(const QString &clicked, const WorksheetChoice &choice)
{
    rb_Clicked->setText(clicked.isEmpty() ? QStringLiteral("kliknięty (żaden nie jest wybrany)")
                                          : QStringLiteral("kliknięty: „%1”").arg(clicked));
    rb_Clicked->setEnabled(!clicked.isEmpty());
    (choice.all || clicked.isEmpty() ? rb_All : rb_Clicked)->setChecked(true);
    cb_PerPage->setCurrentIndex(std::max<int>(0, cb_PerPage->findData(choice.options.perPage)));
    cb_Names->setChecked(choice.options.names);
    cb_CutLines->setChecked(choice.options.cutLines);
}

WorksheetChoice T_Worksheet::Choice() const
{
    WorksheetChoice c;
    c.all = rb_All->isChecked();
    c.options.perPage = cb_PerPage->currentData().toInt();
    c.options.names = cb_Names->isChecked();
    c.options.cutLines = cb_CutLines->isChecked();
    return c;
}

bool QtWorksheetDialogs::AskWorksheet(const QString &clicked, WorksheetChoice &choice)
{
    m_dialog.Show(clicked, choice);
    if (m_dialog.exec() != QDialog::Accepted)
        return false;
    choice = m_dialog.Choice();
    return true;
}
