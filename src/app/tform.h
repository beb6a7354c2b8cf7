#pragma once
// The main window: owns the open document, the drawing objects and every control, and wires the
// subsystems together. The logic it calls lives in document/, render/ and the files beside this.

#include "app/imagecontrol.h"
#include "app/startup.h"
#include "app/userdialogs.h"
#include "dialogs/layerdialog.h"
#include "dialogs/namedialogs.h"
#include "document/session.h"
#include "edit/editstate.h"
#include "edit/pictoeditor.h"
#include "edit/properties.h"
#include "files/documentfolder.h"
#include "files/recoverystore.h"
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

/// True when the document name a stands before b in the document list: in the Polish alphabet
/// ("Cukier", "Ćma", "Dom"), letter case ignored, a run of digits by its value ("2" before "10");
/// names differing in letter case only ("Dom.vkz", "dom.vkz") keep a fixed order, capital first.
bool NameBefore(const QString &a, const QString &b);

/// Whether the system's file names differ by letter case ("Dom.vkz" and "dom.vkz" two files).
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
inline constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif

/// A list of file names kept in `NameBefore` order, with a selected index (-1: none).
struct SortedNameList {
    QStringList Items;
    int ItemIndex = -1;
    void Clear() { Items.clear(); ItemIndex = -1; }
    void Add(const QString &name);
    int IndexOf(const QString &name) const;  ///< the entry naming the same file as name; -1 if absent
};

/// Appends to box the plain, visible files matching folder + pattern ("*.vkz").
void ListFiles(SortedNameList &box, const QString &folder, const QString &pattern);

class T_Form : public QWidget {
public:
    struct Environment {
        QString programFolder;           ///< the executable's folder
        ScreenFacts screen;              ///< the primary screen
        UserDialogs *dialogs = nullptr;  ///< message boxes (not owned)
        NameDialogs *names = nullptr;    ///< the name dialogs (not owned); null: the window's own
        /// Shows a folder in the desktop's file browser; null: the system's browser.
        std::function<void(const QString &folder)> openFolder;
    };
    explicit T_Form(const Environment &env);
    ~T_Form() override;

    // Start, activation, close.
    void FormActivate();
    bool QuerySaveChanges();
    /// Runs fn as one user action: an error ends it and appears in the error box.
    void Guarded(const std::function<void()> &fn);

    // The editing view and the pictures made from the document.
    void RedrawImage();
    void FillLayerList();
    void UpdateLayerThumb();
    void UpdatePreview();
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
    /// Shows the document just read into the session as the open one: its list entry, its name,
    /// its layers and its picture; file is its file as read (empty: never saved).
    void ShowOpenedDocument(const QString &name, const FileStamp &file);
    void lv_LayersChange();

    // Reference strip, dictionary popup and books.
    /// The windows created after this one; until then their buttons do nothing.
    void AttachWindows(T_Dict *dict, BookWindow *help, BookWindow *snowMen);
    void p_Picto_TaveloClick();
    void Dictionary(int tag);
    void b_HelpClick();
    void b_SnowMenClick();
    std::array<int, 4> T_Set_Pikto{};
    std::array<QString, 4> TWords, TDefin;
    std::function<int(int)> Random;  ///< a whole number 0 … n − 1; replaceable for tests
    T_Dict *dict = nullptr;
    BookWindow *help = nullptr, *snowMen = nullptr;
    /// Shows a book or the information window beside the main window (PlaceBesideMain), or, once
    /// the user has moved it, where the user put it.
    void ShowBeside(QWidget *window);
    QRect ScreenArea;  ///< where windows may go, screen pixels; the whole screen unless set

    // Buttons.
    void b_AllLayersClick();
    void b_NumberAndPointClick();
    QAbstractButton *ButtonByTag(int tag) const;

    // Files and self-explanation (tform_files.cpp, tform_explain.cpp).
    void b_NewPictoClick();
    /// Save (tag 112, also the save question) or Save As (113). True when the document was written.
    bool b_SavePictoClick(int tag);
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
    void b_LayerClick(int tag);
    void Property_Change(int tag);
    void b_Draw();
    void i_ColorsMouseDown(QMouseEvent *e);
    void b_UndoClick(int tag);
    PictoEditor &Editor() { return *m_editor; }
    T_Layer *layerDialog = nullptr;
    int Beeps = 0;  ///< beeps of undo and redo with nothing to do (for the tests)

    // State.
    ProgramFolders folders;
    CheckFlags flags;
    PictoSession session;
    PictoDocument &doc() { return session.doc; }
    FileStamp openFile;  ///< the open document's file as it was last read or written
    EditState edit;
    bool IChange = false;
    int PreviewUpdates = 0;  ///< how many times the preview was refreshed (for the tests)

    // Hidden lists.
    SortedNameList lb_ListFile;
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
    QButtonGroup *modeGroup = nullptr, *kindGroup = nullptr, *widthGroup = nullptr, *curveGroup = nullptr;

protected:
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void FormCreate();
    void buildControls();
    void prepareSurfaces();
    void openFirstDocument();
    void wireStrip();
    void applyButtonStates(const PropertyButtonStates &s);
    QToolButton *makeButton(QWidget *parent, const char *name, int tag, QRect geometry, bool checkable);
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
    std::map<int, QAbstractButton *> m_buttons;
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
    /// Asks, where a save would replace what the user has not seen, and lets Nie choose another name
    /// (askName: start with the name dialog). False when the user gives up; name is the one to write.
    bool ChooseSaveName(bool askName, QString &name);
    /// Lists the documents folder into lb_ListFile afresh, removing what interrupted saves left.
    void RefreshNameList();
    std::unique_ptr<NameDialogs> m_ownNames;
    NameDialogs *m_names = nullptr;
    std::function<void(const QString &)> m_openFolder;

    // Copies of the unsaved document in Work/odzysk/ (tform_recovery.cpp).
    void offerRecovery();
    void openRecovered(const RecoveryStore::Offer &offer);
    void scheduleRecovery();
    void flushRecovery();
    void dropRecovery(const QString &name);
    std::unique_ptr<RecoveryStore> m_recovery;
    bool m_recoveryPosted = false;
    bool m_recoveryFailed = false;
};
