#pragma once
// "Arkusz do druku": which documents go on the worksheet, how many to a page, names and cut lines;
// and the WorksheetDialogs the window hands to the worksheet's writer.

#include "files/worksheetjob.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

class T_Worksheet : public QDialog {
public:
    explicit T_Worksheet(QWidget *parent = nullptr);

    /// Shows choice, with clicked (a file name; empty: none, so only every document can be chosen).
    void Show(const QString &clicked, const WorksheetChoice &choice);
    /// What the controls say now.
    WorksheetChoice Choice() const;

    QRadioButton *rb_Clicked = nullptr, *rb_All = nullptr;
    QComboBox *cb_PerPage = nullptr;
    QCheckBox *cb_Names = nullptr, *cb_CutLines = nullptr;
    QPushButton *b_OK = nullptr, *b_Cancel = nullptr;
};

/// The real dialog, shown modally over its parent; it remembers the last answer for the next time.
class QtWorksheetDialogs : public WorksheetDialogs {
public:
    explicit QtWorksheetDialogs(QWidget *parent) : m_dialog(parent) {}
    bool AskWorksheet(const QString &clicked, WorksheetChoice &choice) override;

private:
    T_Worksheet m_dialog;
};
