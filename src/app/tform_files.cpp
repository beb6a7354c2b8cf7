// The file buttons of the main window: they call the document shelf and show what it announces.
#include "app/tform.h"

#include "dialogs/worksheetdialog.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QShortcut>
#include <QUrl>

void T_Form::connectShelf()
{
    m_shelf->OnStatus = [this](const QString &text) { sb_Panel->setText(text); };
    m_shelf->OnListChanged = [this] { FillFileList(); };
    m_shelf->OnShowOpenEntry = [this] { SelectOpenDocument(); };
    m_shelf->OnNameChanged = [this] {
        ShowDocumentName();
        ShowInfo();
    };
    m_shelf->OnOpened = [this] { ShowOpenedDocument(); };
}

void T_Form::b_NewPictoClick()
{
    if (m_shelf->NewPicto())
        showNewDocument();
}

void T_Form::showNewDocument()
{
    // The layers, the view and the name follow the session's announcement of the new document.
    SelectOpenDocument();
    sb_Panel->setText(QString());
}

void T_Form::b_SavePictoClick(ControlTag tag) { m_shelf->Save(tag == ControlTag::SavePictoAs); }

void T_Form::ShowDocumentName()
{
    const PictoDocument &d = session.doc;
    QString text = QString::fromStdString(d.CFName);
    if (!text.isEmpty() && d.RModif)
        text += QStringLiteral(" — zmieniony");
    // The name takes the room it needs, up to half the bar; the state note follows it.
    const QFontMetrics metrics(sb_Name->font());
    const int widest = sb_Funk->width() / 2;
    sb_Name->setText(metrics.elidedText(text, Qt::ElideMiddle, widest));
    sb_Name->setToolTip(text);
    const int width = text.isEmpty() ? 0 : std::min(metrics.horizontalAdvance(text) + 4, widest) + 12;
    sb_Name->setGeometry(4, 0, width, sb_Funk->height());
    sb_Panel->setGeometry(4 + width, 0, sb_Funk->width() - 8 - width, sb_Funk->height());
}

void T_Form::b_ExportPngClick()
{
    const DocumentShelf::Export done = m_shelf->ExportPng();
    if (done != DocumentShelf::Export::NoDocument)
        UpdatePreview();
    // Named in the status bar whether or not a file browser can show the folder.
    if (done == DocumentShelf::Export::Written)
        m_openFolder(folders.Base_R);
}

void T_Form::buildWorksheet(const Environment &env)
{
    if (env.worksheet == nullptr)
        m_ownWorksheet = std::make_unique<QtWorksheetDialogs>(this);
    m_worksheet = env.worksheet != nullptr ? env.worksheet : m_ownWorksheet.get();
    m_openPdf = env.openPdf ? env.openPdf : [](const QString &file) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    };
    // The menu shows the key; the window's own shortcut acts on it wherever the focus is.
    arkusz1->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    arkusz1->setShortcutContext(Qt::WidgetShortcut);
    arkusz1->setShortcutVisibleInContextMenu(true);
    connect(arkusz1, &QAction::triggered, this, [this] { Guarded([this] { PrintWorksheet(); }); });
    connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+P")), this), &QShortcut::activated, arkusz1,
            &QAction::trigger);
}

void T_Form::PrintWorksheet()
{
    // The clicked document is the one highlighted in the list, else the open one.
    const QStringList &names = m_shelf->Names();
    const int row = lv_ListFile->selectedItems().isEmpty() ? m_shelf->OpenEntry() : lv_ListFile->currentRow();
    const QString clicked = row >= 0 && row < names.size() ? names[row] : QString();
    if (!m_worksheet->AskWorksheet(clicked, m_worksheetChoice))
        return;
    QString note;
    const QString pdf = WriteFolderWorksheet(folders, names, clicked, m_worksheetChoice, m_dialogs, note);
    sb_Panel->setText(note);
    if (!pdf.isEmpty())
        m_openPdf(pdf);
}
