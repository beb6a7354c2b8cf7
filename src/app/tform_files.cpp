// The file buttons of the main window: they call the document shelf and show what it announces.
#include "app/tform.h"

#include <QFontMetrics>

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
