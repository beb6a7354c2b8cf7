#pragma once
// The main window: owns the drawing objects and every control, and wires the subsystems together.
// The open document and its files belong to the DocumentShelf; the logic lives in the libraries.

#include "app/imagecontrol.h"
#include "app/startup.h"
#include "files/userdialogs.h"
#include "dialogs/layerdialog.h"
#include "document/session.h"
#include "edit/controltags.h"
#include "edit/editstate.h"
#include "edit/pictoeditor.h"
#include "edit/properties.h"
#include "files/documentshelf.h"
#include "files/worksheetjob.h"
#include "render/editview.h"
#include "render/layercache.h"
#include "render/layerrenderer.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QStackedWidget>
#include <QToolButton>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QPlainTextEdit;
class QTabBar;
class T_Info;

class BookWindow;
class T_Dict;

class T_Form : public QWidget {
    // First of the members: the references below are bound to the shelf.
    std::unique_ptr<DocumentShelf> m_ownShelf;
    DocumentShelf *m_shelf = nullptr;

public:
    struct Environment {
        QString programFolder;           ///< the executable's folder (an injected shelf has its own)
        ScreenFacts screen;              ///< the primary screen
        UserDialogs *dialogs = nullptr;  ///< message boxes (not owned)
        NameDialogs *names = nullptr;    ///< the name dialogs (not owned); null: the window's own
        /// Shows a folder in the desktop's file browser; null: the system's browser.
        std::function<void(const QString &folder)> openFolder;
        /// Shows a PDF file in the desktop's PDF viewer; null: the system's viewer.
        std::function<void(const QString &file)> openPdf;
        /// Asks how to make the worksheet "Arkusz do druku" (not owned); null: the window's own dialog.
        WorksheetDialogs *worksheet = nullptr;
        /// The file workflow (not owned); null: the window makes its own beside programFolder.
        DocumentShelf *shelf = nullptr;
        /// A whole number 0 … n − 1 for the reference strip; null: the system's random numbers.
        std::function<int(int)> random;
        /// The beep of an undo or redo with nothing to do; null: the system's beep.
        std::function<void()> beep;
        /// Told after each refresh of the preview (null: nobody), to see that one action refreshes it once.
        std::function<void()> previewRefreshed;
        /// Where windows may go, screen pixels (the desktop without its panels); empty: the whole screen.
        QRect screenArea;
    };
    explicit T_Form(const Environment &env);
    ~T_Form() override;

    /// Closes the window at once when the start-up checks refused the screen or the folders.
    void FormActivate();
    /// Whether the start-up checks refused the screen or the folders.
    bool Refused() const { return flags.Refused(); }
    /// The windows created after this one; until then their buttons do nothing.
    void AttachWindows(T_Dict *dict, BookWindow *help, BookWindow *snowMen);

protected:
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    class FormEditHost;  ///< the editor's view probe, layer dialog and beep
    class DragWatch;     ///< what cuts a drag in the view short
    class HintWatcher;   ///< the pointer arriving over a tagged control

    /// Runs fn as one user action: an error ends it and appears in the error box.
    void Guarded(const std::function<void()> &fn);

    // The editing view and the pictures made from the document.
    void RedrawImage();
    void FillLayerList();
    void UpdateLayerThumb();
    void UpdatePreview();
    /// Fills the document list with the thumbnails of the shelf's documents.
    void FillFileList();
    /// Runs from the event queue after the events that were waiting when a repaint asked for it:
    /// refreshes the preview once however many repaints one action made.
    void AppMessageHook();

    // Document list.
    void lv_ListFileDblClick();
    void lv_ListFileSelectItem();
    void ppm_LvListPopup();
    void DeletePicto();
    /// Highlights the open document's thumbnail, or none when the open document is not in the list.
    void SelectOpenDocument();
    /// Shows the current layer selected in the layer list (no handler runs); nothing without one.
    void SelectCurrentLayer();
    /// Shows the document the shelf has just read as the open one: its list entry, its name, its
    /// layers and its picture.
    void ShowOpenedDocument();
    void lv_LayersChange();

    // Reference strip, dictionary popup and books.
    void p_Picto_TaveloClick();
    void Dictionary(ControlTag tag);
    void b_HelpClick();
    void b_SnowMenClick();
    std::array<int, 4> T_Set_Pikto{};
    std::array<QString, 4> TWords, TDefin;
    std::function<int(int)> Random;  ///< a whole number 0 … n − 1
    T_Dict *dict = nullptr;
    BookWindow *help = nullptr, *snowMen = nullptr;
    /// Shows a book or the information window beside the main window (PlaceBesideMain), or, once
    /// the user has moved it, where the user put it.
    void ShowBeside(QWidget *window);
    QRect ScreenArea;  ///< where windows may go, screen pixels

    // Buttons.
    void b_AllLayersClick();
    void b_NumberAndPointClick();
    QAbstractButton *ButtonByTag(ControlTag tag) const;

    // Files and self-explanation (tform_files.cpp, tform_explain.cpp).
    void b_NewPictoClick();
    /// Save (SavePicto) or Save As (SavePictoAs).
    void b_SavePictoClick(ControlTag tag);
    /// Shows the open document's name, and whether it is modified, in the status bar.
    void ShowDocumentName();
    void b_ExportPngClick();
    /// Refreshes the information window; nothing while it is hidden.
    void ShowInfo();
    void b_InfoClick();
    /// Gives sender the hint of its tag, from the hint table.
    void HintMMove(QWidget *sender);
    void i_LogoClick();
    void i_ProjektClick();
    T_Info *Info = nullptr;
    QTabBar *pc_Tabs = nullptr;               ///< the tabs of pc_Pages, hidden but for developers
    QPlainTextEdit *rve_ItemsView = nullptr;  ///< the document text buffer, on page ts_2
    // Editing (tform_edit.cpp): the handlers pass their controls' events to the editor.
    void b_ModeClick(ControlTag tag);
    /// A mode button given by its tag as a whole number, as the mode group's ids are.
    void b_ModeClick(int tag);
    void i_ImageMouseDown(QMouseEvent *e);
    void i_ImageMouseMove(QMouseEvent *e);
    void i_ImageMouseUp(QMouseEvent *e);
    /// Stores a drag in the view that will see no release (the window closed, hidden or left, a key).
    void EndDrag();
    void tb_WRotateChange();
    void tb_WSizeChange();
    void tb_RotateMouseUp();
    void tb_SizeMouseUp();
    void b_LayerClick(ControlTag tag);
    void Property_Change(ControlTag tag);
    void b_Draw();
    void i_ColorsMouseDown(QMouseEvent *e);
    void b_UndoClick(ControlTag tag);
    T_Layer *layerDialog = nullptr;
    std::function<void()> m_beep;

    // State.
    const ProgramFolders &folders;
    CheckFlags flags;
    PictoSession &session;  ///< the shelf's
    PictoDocument &doc() { return session.doc; }
    EditState edit;
    bool IChange = false;
    std::function<void()> m_previewRefreshed;

    // Hidden lists.
    QStringList lb_Defin, lb_Words;

    // Drawing objects and surfaces.
    LayerRenderer renderer;  ///< Pe_sol, Pe_dot, Br_i
    QBrush Br_txt;
    EditViewPainter *viewPainter = nullptr;
    LayerStackCache previewKeep;
    QImage i_Pure, i_PNG, i_Dupl;

    // Controls.
    ImageControl *i_Logo = nullptr, *i_AllRights = nullptr, *i_Projekt = nullptr, *i_Image = nullptr,
                 *i_Picto = nullptr, *i_Colors = nullptr;
    ImageControl *i_Tiles[4] = {};  ///< i_1 … i_4
    QLabel *l_Names[4] = {};        ///< l_n1 … l_n4
    QLabel *l_Tool = nullptr, *sb_Name = nullptr, *sb_Panel = nullptr;
    QWidget *sb_Funk = nullptr, *p_Tools = nullptr;
    QSlider *tb_Rotate = nullptr, *tb_Size = nullptr;
    QListWidget *lv_ListFile = nullptr, *lv_Layers = nullptr;
    QStackedWidget *pc_Pages = nullptr;
    QMenu *ppm_LvList = nullptr;
    QAction *usupiktogram1 = nullptr;
    QAction *arkusz1 = nullptr;  ///< "Arkusz do druku…"
    QButtonGroup *modeGroup = nullptr, *kindGroup = nullptr, *widthGroup = nullptr, *curveGroup = nullptr;

    void FormCreate();
    void buildControls();
    void prepareSurfaces();
    void wireStrip();
    void applyButtonStates(const PropertyButtonStates &s);
    QToolButton *makeButton(QWidget *parent, const char *name, ControlTag tag, QRect geometry, bool checkable);
    void wireEditing();
    void showPointerShape();
    /// Refreshes what shows the document after the session announced a change.
    void showSessionChange(const SessionChange &c);
    /// Shows what the editor announced: the mode's controls, the label, a status note, the view.
    void showEditorChange(const EditorChange &c);
    /// Selected position of the layer list (top layer first), −1 for none.
    int layerRow() const;
    /// After a press or release in the view: the pointer shape, and whether a drag is watched.
    void afterPointer();
    QObject *m_dragWatch = nullptr;  ///< watches for what cuts a drag in the view short
    std::unique_ptr<EditHost> m_editHost;
    std::unique_ptr<PictoEditor> m_editor;

    UserDialogs &m_dialogs;
    std::map<ControlTag, QAbstractButton *> m_buttons;
    bool m_inHook = false;
    bool m_hookPosted = false;
    static constexpr QEvent::Type HookEvent = QEvent::Type(QEvent::User + 1);
    void postHook();

    /// Where the program last put each window opened beside it, and whether the user moved it since.
    struct SidePlace {
        QPoint at;
        bool byUser = false;
    };
    std::map<const QWidget *, SidePlace> m_sidePlaces;
    /// The outer size of a window; one never shown yet is given the main window's frame.
    QSize outerSize(const QWidget *window) const;

    // Files and self-explanation.
    void buildFileControls(const Environment &env);
    void buildDeveloperPages();
    void showPage(int index);
    void rve_ItemsViewChange();
    /// Shows, as the shelf announces it, what its file actions changed.
    void connectShelf();
    /// Shows a document New has just made: not in the list, its layers and its picture.
    void showNewDocument();
    std::unique_ptr<NameDialogs> m_ownNames;
    std::function<void(const QString &)> m_openFolder;

    // The worksheet "Arkusz do druku…" (Ctrl+P, the document list's menu): the dialog, then
    // Result/Arkusz.pdf, then the PDF viewer.
    void buildWorksheet(const Environment &env);
    void PrintWorksheet();
    std::unique_ptr<WorksheetDialogs> m_ownWorksheet;
    WorksheetDialogs *m_worksheet = nullptr;
    WorksheetChoice m_worksheetChoice;  ///< the last answer, offered again
    std::function<void(const QString &)> m_openPdf;
};
