// The editing view, the layer list, the preview and the document list of the main window.
#include "app/tform.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include <QPixmap>

#include <functional>
#include <optional>

namespace {

// A list row whose icon is made the first time anything asks for it (the view paints only the rows
// in sight) and kept from then on: a list of thousands of thumbnails fills at once.
class LazyIconItem : public QListWidgetItem {
public:
    /// Made whole before the list holds it: the list may ask for its data at once.
    static LazyIconItem *AddTo(QListWidget *list, const QString &text, std::function<QIcon()> make)
    {
        auto *item = new LazyIconItem(text, std::move(make));
        list->addItem(item);
        return item;
    }

    QVariant data(int role) const override
    {
        if (role != Qt::DecorationRole)
            return QListWidgetItem::data(role);
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }
    void setData(int role, const QVariant &value) override
    {
        if (role == Qt::DecorationRole)
            m_icon = qvariant_cast<QIcon>(value);
        QListWidgetItem::setData(role, value);
    }

private:
    LazyIconItem(const QString &text, std::function<QIcon()> make) : QListWidgetItem(text), m_make(std::move(make)) {}

    std::function<QIcon()> m_make;
    mutable std::optional<QIcon> m_icon;
};

} // namespace

void T_Form::applyButtonStates(const PropertyButtonStates &s)
{
    // Pressing one button of an exclusive group releases the others; no handler runs.
    for (const std::optional<ControlTag> &tag : {s.kindTag, s.widthTag, s.curveTag})
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
        viewPainter->RedrawImage(i_Image->Picture, d, ButtonByTag(ControlTag::AllLayers)->isChecked(),
                                 ButtonByTag(ControlTag::NumberAndPoint)->isChecked());
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
    // Position p shows layer Dimension - 1 - p, captioned with its index: the top layer first. Its
    // thumbnail is drawn when the row first comes into view; a changed layer's is replaced at once.
    QSize rowSize;
    for (int p = 0; p < d.Dimension; ++p) {
        const int k = d.Dimension - 1 - p;
        auto *item = LazyIconItem::AddTo(lv_Layers, QString::number(k), [this, k] {
            const PictoDocument &now = session.doc;
            if (k >= now.Dimension)
                return QIcon();
            return QIcon(QPixmap::fromImage(RenderLayerThumb(renderer, Br_txt, now.TCurveStruct[size_t(k)])));
        });
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // Every row is as big as the first (the thumbnail outweighs any caption): measured once,
        // the list lays its rows out without asking each one for its picture.
        if (p == 0)
            rowSize = lv_Layers->sizeHintForIndex(lv_Layers->model()->index(0, 0));
        item->setSizeHint(rowSize);
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
    RenderCompositeInto(i_Pure, renderer, Br_txt, session.doc, &previewKeep);
    i_Picto->Picture = RenderPreview(i_Pure);
    i_Picto->update();
    if (m_previewRefreshed)
        m_previewRefreshed();
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
    // Each thumbnail file is read when its row first comes into view.
    for (const QString &name : m_shelf->Names()) {
        const QString bmp = folders.Base_R + name.left(name.size() - 4) + ".bmp";
        auto *item = LazyIconItem::AddTo(lv_ListFile, QString(), [this, bmp] {
            QImage thumb = LoadBmpThumbnail(bmp, 64);
            if (thumb.width() != 64 || thumb.height() != 64)
                thumb = i_Dupl;
            QIcon icon(QPixmap::fromImage(thumb));
            icon.addPixmap(QPixmap::fromImage(thumb), QIcon::Selected);  // the chosen thumbnail keeps its colours
            return icon;
        });
        item->setSizeHint(QSize(72, 72));
        item->setToolTip(name);  // the column has no captions: the hint names the document
    }
    lv_ListFile->setToolTip(QStringLiteral("Kliknij jedną z miniatur"));
    SelectOpenDocument();
}

void T_Form::SelectOpenDocument()
{
    const int row = m_shelf->OpenEntry();
    if (row >= 0 && row < lv_ListFile->count()) {
        lv_ListFile->setCurrentRow(row);
    } else {
        lv_ListFile->setCurrentRow(-1);
        lv_ListFile->clearSelection();
    }
}

void T_Form::lv_ListFileDblClick() { m_shelf->OpenListed(lv_ListFile->currentRow()); }

void T_Form::ShowOpenedDocument()
{
    SelectOpenDocument();
    // A note about the document shown before ("saved", "exported") does not belong to this one.
    sb_Panel->setText(session.doc.RModif ? QString::fromUtf8(ModifiedNote) : QString());
    ShowDocumentName();
    // The layers and the view followed the session's announcement of the document read.
    const PictoDocument &d = session.doc;
    if (d.Ind_Curve >= 0 && d.Ind_Curve < d.Dimension && d.TCurveStruct[d.Ind_Curve].TypeC > 0)
        b_ModeClick(ControlTag::ModeMoveLayer);
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
    const QStringList &names = m_shelf->Names();
    const bool selected = row >= 0 && !lv_ListFile->selectedItems().isEmpty() && row < names.size();
    lv_ListFile->setToolTip(selected ? QStringLiteral("Dwukrotne kliknięcie zaznaczonej miniatury otworzy plik z "
                                                      "piktogramem ") + names[row]
                                     : QStringLiteral("Kliknij jedną z miniatur"));
}

void T_Form::ppm_LvListPopup()
{
    const int row = lv_ListFile->selectedItems().isEmpty() ? -1 : lv_ListFile->currentRow();
    // The open document can never be deleted; nor can nothing.
    usupiktogram1->setEnabled(row >= 0 && row != m_shelf->OpenEntry());
}

void T_Form::DeletePicto() { m_shelf->DeleteListed(lv_ListFile->currentRow()); }
