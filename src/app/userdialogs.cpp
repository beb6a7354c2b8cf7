#include "userdialogs.h"

#include <QMessageBox>

void QtUserDialogs::Inform(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

void QtUserDialogs::Error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Błąd"), text, QMessageBox::Ok);
    box.exec();
}

UserDialogs::Answer QtUserDialogs::AskYesNoCancel(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return Cancel;
    }
}
