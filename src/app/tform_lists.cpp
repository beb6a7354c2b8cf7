// The editing view, the layer list, the preview and the document list of the main window.
#include "app/tform.h"
#include "messages/catalogue.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include <QFile>
#include <QFileInfo>

void T_Form::applyButtonStates(const PropertyButtonStates &s)
{
    // Pressing one button of an exclusive group releases the others; no handler runs.
    for (const std::optional<int> &tag : {s.kindTag, s.widthTag, s.curveTag})
        if (tag)
            if (QAbstractButton *b = ButtonByTag(*tag))
                b->setChecked(true);
}

void T_Form::RedrawImage()
{
    if (viewPainter == nullptr)
        return;
    const PictoDocument &d = session.doc;
    const bool painted =
        viewPainter->RedrawImage(i_Image->Picture, d, ButtonByTag(500)->isChecked(), ButtonByTag(501)->isChecked());
    i_Image->update();
    ShowInfo();
    // The property buttons show the current layer; without one they keep their state.
    if (painted)
        applyButtonStates(PropertyStatesFor(d.TCurveStruct[d.Ind_Curve]));
    // The preview follows at the next event the application dispatches, once however many
    // repaints this action made; a document left without layers shows its empty preview too.
    IChange = true;
    postHook();
}

void T_Form::b_AllLayersClick() { RedrawImage(); }

void T_Form::b_NumberAndPointClick() { RedrawImage(); }

void T_Form::FillLayerList()
{
    const QSignalBlocker quiet(lv_Layers);
    lv_Layers->clear();
    // Each caption stands under its thumbnail, in one column: beside it, a caption of two or
    // more digits would not fit the narrow list once its scroll bar shows.
    lv_Layers->setViewMode(QListView::IconMode);
    lv_Layers->setFlow(QListView::TopToBottom);
    lv_Layers->setWrapping(false);
    lv_Layers->setMovement(QListView::Static);
    lv_Layers->setResizeMode(QListView::Adjust);
    const PictoDocument &d = session.doc;
    // Position p shows layer Dimension - 1 - p, captioned with its index: the top layer first.
    for (int p = 0; p < d.Dimension; ++p) {
        const int k = d.Dimension - 1 - p;
        auto *item = new QListWidgetItem(QString::number(k), lv_Layers);
        item->setIcon(QIcon(QPixmap::fromImage(RenderLayerThumb(renderer, Br_txt, d.TCurveStruct[k]))));
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void T_Form::UpdateLayerThumb()
{
    const PictoDocument &d = session.doc;
    if (lv_Layers->count() == 0 || d.Ind_Curve < 0 || d.Ind_Curve >= d.Dimension)
        return;
    QListWidgetItem *item = lv_Layers->item(d.Dimension - 1 - d.Ind_Curve);
    if (item != nullptr)
        item->setIcon(QIcon(QPixmap::fromImage(RenderLayerThumb(renderer, Br_txt, d.TCurveStruct[d.Ind_Curve]))));
}

void T_Form::UpdatePreview()
{
    ++PreviewUpdates;
    i_Pure = RenderComposite(renderer, Br_txt, session.doc, &previewKeep);
    i_Picto->Picture = RenderPreview(i_Pure);
    i_Picto->update();
}

void T_Form::FillFileList()
{
    const QSignalBlocker quiet(lv_ListFile);
    lv_ListFile->clear();
    // One column of tiles each just as big as its thumbnail with a thin margin, so the selection
    // highlight frames the thumbnail and leaves no box beside it.
    lv_ListFile->setViewMode(QListView::IconMode);
    lv_ListFile->setFlow(QListView::TopToBottom);
    lv_ListFile->setWrapping(false);
    lv_ListFile->setMovement(QListView::Static);
    lv_ListFile->setSpacing(4);
    for (const QString &name : lb_ListFile.Items) {
        const QString bmp = folders.Base_R + name.left(name.size() - 4) + ".bmp";
        QImage thumb = LoadBmpThumbnail(bmp, 64);
        if (thumb.width() != 64 || thumb.height() != 64)
            thumb = i_Dupl;
        auto *item = new QListWidgetItem(lv_ListFile);
        QIcon icon(QPixmap::fromImage(thumb));
        icon.addPixmap(QPixmap::fromImage(thumb), QIcon::Selected);  // the chosen thumbnail keeps its colours
        item->setIcon(icon);
        item->setSizeHint(QSize(72, 72));
        item->setToolTip(name);  // the column has no captions: the hint names the document
    }
    lv_ListFile->setToolTip(QStringLiteral("Kliknij jedną z miniatur"));
    SelectOpenDocument();
}

void T_Form::SelectOpenDocument()
{
    const int row = lb_ListFile.ItemIndex;
    if (row >= 0 && row < lv_ListFile->count()) {
        lv_ListFile->setCurrentRow(row);
    } else {
        lv_ListFile->setCurrentRow(-1);
        lv_ListFile->clearSelection();
    }
}

void T_Form::RefreshNameList()
{
    lb_ListFile.Clear();
    RemoveInterruptedSaves(folders.Base_R);
    ListFiles(lb_ListFile, folders.Base_R, "*.vkz");
}

void T_Form::openFirstDocument()
{
    RefreshNameList();
    // The first entry becomes the open document once it has been read: one that cannot be read
    // must stay deletable.
    lb_ListFile.ItemIndex = -1;
    FillFileList();
    if (lb_ListFile.Items.isEmpty()) {
        RedrawImage();  // no document: the texture alone
        return;
    }
    lv_ListFile->setCurrentRow(0);
    Guarded([this] { lv_ListFileDblClick(); });
}

void T_Form::lv_ListFileDblClick()
{
    const int row = lv_ListFile->currentRow();
    if (row < 0 || row >= lb_ListFile.Items.size())
        return;  // nothing chosen
    const QString chosen = lb_ListFile.Items[row];
    if (session.doc.RModif && !QuerySaveChanges()) {
        SelectOpenDocument();
        return;
    }
    // Read first: a document that cannot be read leaves the open one exactly as it was.
    const QString path = folders.Base_R + chosen;
    try {
        session.LoadPicto(path.toStdString(), chosen.toStdString());
    } catch (...) {
        SelectOpenDocument();
        throw;
    }
    ShowOpenedDocument(chosen, FileStamp::Of(path));
}

void T_Form::ShowOpenedDocument(const QString &name, const FileStamp &file)
{
    openFile = file;
    lb_ListFile.ItemIndex = lb_ListFile.IndexOf(name);
    SelectOpenDocument();
    // A note about the document shown before ("saved", "exported") does not belong to this one.
    sb_Panel->setText(session.doc.RModif ? QString::fromUtf8(ModifiedNote) : QString());
    ShowDocumentName();
    {
        const QSignalBlocker quiet(lv_Layers);
        lv_Layers->clear();
    }
    const PictoDocument &d = session.doc;
    if (d.Ind_Curve >= 0 && d.Ind_Curve < d.Dimension && d.TCurveStruct[d.Ind_Curve].TypeC > 0)
        b_ModeClick(136);
    FillLayerList();
    RedrawImage();
    SelectCurrentLayer();
}

void T_Form::SelectCurrentLayer()
{
    const PictoDocument &d = session.doc;
    if (d.Ind_Curve < 0 || d.Ind_Curve >= d.Dimension)
        return;
    // The list shows the top layer first; selecting here is no user's choice, so no handler runs.
    const QSignalBlocker quiet(lv_Layers);
    lv_Layers->setCurrentRow(d.Dimension - 1 - d.Ind_Curve);
}

void T_Form::lv_ListFileSelectItem()
{
    const int row = lv_ListFile->currentRow();
    const bool selected = row >= 0 && !lv_ListFile->selectedItems().isEmpty() && row < lb_ListFile.Items.size();
    lv_ListFile->setToolTip(selected ? QStringLiteral("Dwukrotne kliknięcie zaznaczonej miniatury otworzy plik z "
                                                      "piktogramem ") + lb_ListFile.Items[row]
                                     : QStringLiteral("Kliknij jedną z miniatur"));
}

void T_Form::ppm_LvListPopup()
{
    const int row = lv_ListFile->selectedItems().isEmpty() ? -1 : lv_ListFile->currentRow();
    // The open document can never be deleted; nor can nothing.
    usupiktogram1->setEnabled(row >= 0 && row != lb_ListFile.ItemIndex);
}

void T_Form::DeletePicto()
{
    const int row = lv_ListFile->currentRow();
    if (row < 0 || row >= lb_ListFile.Items.size() || row == lb_ListFile.ItemIndex)
        return;
    const QString name = lb_ListFile.Items[row];
    // The open document is settled first, since the first document is opened afterwards; Anuluj
    // there, or Nie to the question below, leaves every file as it was.
    if (session.doc.RModif && !QuerySaveChanges()) {
        SelectOpenDocument();
        return;
    }
    // A save rebuilds the list, and Save As may even have taken this very name.
    const int at = lb_ListFile.IndexOf(name);
    if (at < 0 || at == lb_ListFile.ItemIndex
        || m_dialogs.AskYesNo(QStringLiteral("Czy usunąć piktogram „%1”?").arg(name), ConfirmCaption(),
                              UserDialogs::No)
               != UserDialogs::Yes) {
        SelectOpenDocument();
        return;
    }
    const QString base = folders.Base_R + name.left(name.size() - 3);
    for (const char *suffix : {"png", "vkz", "bmp"})
        if (QFileInfo::exists(base + suffix))
            QFile::remove(base + suffix);
    RefreshNameList();
    // The open document keeps its entry (none while it is new) until the first one is really opened.
    lb_ListFile.ItemIndex =
        openFile.path.isEmpty() ? -1 : lb_ListFile.IndexOf(QString::fromStdString(session.doc.CFName));
    FillFileList();
    if (lb_ListFile.Items.isEmpty())
        return;
    lv_ListFile->setCurrentRow(0);
    lv_ListFileDblClick();
}
