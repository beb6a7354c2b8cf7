#include "app/userdialogs.h"

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

UserDialogs::Answer QtUserDialogs::AskYesNo(const QString &text, const QString &caption, Answer preferred)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
    // Enter gives the answer that destroys nothing (the caller knows which); Escape answers No.
    box.setDefaultButton(preferred == Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Yes : No;
}
