// New, save, save as, the save question and the picture export of the main window.
#include "app/tform.h"
#include "dialogs/namedialogs.h"
#include "document/textformat.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include "messages/catalogue.h"

#include <QDir>
#include <QFontMetrics>

#include <exception>

bool T_Form::QuerySaveChanges()
{
    if (!session.doc.RModif)
        return true;
    switch (m_dialogs.AskYesNoCancel(QStringLiteral("Czy zapisać zmiany?"), ConfirmCaption())) {
    case UserDialogs::Yes:
        // A save that fails keeps the changes and the caller's action does not happen. A document
        // without layers has nothing to write: it is settled as by Nie.
        if (session.doc.Dimension > 0)
            return b_SavePictoClick(112);
        [[fallthrough]];
    case UserDialogs::No:
        session.doc.RModif = false;
        dropRecovery(QString::fromStdString(session.doc.CFName));
        ShowDocumentName();
        ShowInfo();
        return true;
    default:
        return false;
    }
}

void T_Form::b_NewPictoClick()
{
    if (session.doc.RModif && !QuerySaveChanges())
        return;
    QString name;
    bool example = false;
    if (!m_names->AskNewPicto(name, example))
        return;
    // The new document exists only in memory until it is saved; the document list stays as it was.
    session.FillTemplate(example ? ExampleDocumentTemplate() : EmptyDocumentTemplate(), name.toStdString());
    openFile = FileStamp();
    // The open document is no longer one of the list: no thumbnail stands for it.
    lb_ListFile.ItemIndex = -1;
    SelectOpenDocument();
    FillLayerList();
    RedrawImage();
    SelectCurrentLayer();
    sb_Panel->setText(QString());
    ShowDocumentName();
    ShowInfo();
}

bool T_Form::ChooseSaveName(bool askName, QString &name)
{
    for (;;) {
        if (askName && !m_names->AskSaveName(name))
            return false;
        QString question;
        switch (CheckSaveTarget(openFile, folders.Base_R + name)) {
        case SaveTarget::NewFile:
        case SaveTarget::OwnFile:
            return true;
        case SaveTarget::OtherDocument:
            question = QStringLiteral("Piktogram „%1” już istnieje. Zastąpić go?");
            break;
        case SaveTarget::OwnFileChanged:
            question = QStringLiteral("Piktogram „%1” został w międzyczasie zmieniony. Zastąpić go?");
            break;
        }
        switch (m_dialogs.AskYesNo(question.arg(name), ConfirmCaption(), UserDialogs::No)) {
        case UserDialogs::Yes: return true;
        case UserDialogs::No: askName = true; break;  // another name, in the name dialog
        default: return false;                        // nobody answered: nothing is written
        }
    }
}

bool T_Form::b_SavePictoClick(int tag)
{
    PictoDocument &d = session.doc;
    if (d.Dimension == 0) {
        sb_Panel->setText(d.CFName.empty() ? QStringLiteral("Najpierw utwórz piktogram")
                                           : QStringLiteral("Piktogram bez warstw nie jest zapisywany"));
        return false;
    }
    QString name = QString::fromStdString(d.CFName);
    if (!ChooseSaveName(tag == 113, name))
        return false;
    try {
        // Only a text that reads back whole is written (the developers' text page accepts any typing).
        ParseDocument(session.rve_Items.Lines(), name.toStdString());
        // Written through a temporary file: a failure leaves the old file, RModif and the name as they were.
        session.SaveTo((folders.Base_R + name).toStdString());
    } catch (const std::exception &e) {
        m_dialogs.Error(QString::fromUtf8(e.what()));
        return false;
    }
    dropRecovery(QString::fromStdString(d.CFName));
    dropRecovery(name);
    d.CFName = name.toStdString();
    openFile = FileStamp::Of(folders.Base_R + name);
    RefreshNameList();
    lb_ListFile.ItemIndex = lb_ListFile.IndexOf(name);
    QString status = QStringLiteral("Obraz piktogramu został zapisany: „%1”").arg(name);
    try {
        const QImage thumb = RenderDocumentThumb(RenderComposite(renderer, Br_txt, d));
        SaveBmpFile(thumb, folders.Base_R + name.left(name.size() - 4) + ".bmp");
    } catch (const std::exception &e) {
        // The document is saved, its thumbnail is not: say so, and claim no success.
        status.clear();
        m_dialogs.Error(QString::fromUtf8(e.what()));
    }
    sb_Panel->setText(status);
    FillFileList();
    ShowDocumentName();
    ShowInfo();
    return true;
}

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
    const PictoDocument &d = session.doc;
    if (d.Dimension == 0)
        return;
    // Every export starts from the start picture, so layers without a background look the same each time.
    const QImage picture = RenderExportPicture(renderer, i_PNG, d);
    UpdatePreview();
    const QString name = QString::fromStdString(d.CFName);
    const QString png = name.left(name.size() - 3) + "png";
    try {
        SavePngBitmap(picture, folders.Base_R + png);
    } catch (const std::exception &e) {
        // Nothing was written whole: the old picture stays, and no success is claimed.
        sb_Panel->setText(QString());
        m_dialogs.Error(QString::fromUtf8(e.what()));
        return;
    }
    // Named here whether or not a file browser can show the folder.
    sb_Panel->setText(QStringLiteral("Obraz piktogramu został zapisany jako png „%1” w folderze %2")
                          .arg(png, QDir::toNativeSeparators(QDir::cleanPath(folders.Base_R))));
    m_openFolder(folders.Base_R);
}
