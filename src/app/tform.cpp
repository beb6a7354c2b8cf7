#include "app/tform.h"

#include "app/glyphs.h"
#include "reference/textlists.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScreen>

#include <exception>

/// The lines of a Windows-1250 list of the reference data; a list that cannot be read is reported
/// and left empty (the strip then shows no meanings).
static QStringList readLines(const QString &path, UserDialogs &dialogs)
{
    QStringList lines;
    try {
        for (const std::string &line : LoadTextLines(path.toStdString()))
            lines.append(QString::fromStdString(line));
    } catch (const std::exception &e) {
        dialogs.Error(QString::fromUtf8(e.what()));
    }
    return lines;
}

/// The shelf a window without an injected one makes for itself.
static std::unique_ptr<DocumentShelf> ownShelf(const T_Form::Environment &env)
{
    if (env.shelf != nullptr)
        return nullptr;
    return std::make_unique<DocumentShelf>(ProgramFolders::Beside(env.programFolder), *env.dialogs);
}

T_Form::T_Form(const Environment &env)
    : m_ownShelf(ownShelf(env)), m_shelf(env.shelf != nullptr ? env.shelf : m_ownShelf.get()),
      folders(m_shelf->Folders()), session(m_shelf->Session()), m_dialogs(*env.dialogs)
{
    setObjectName("T_Form");
    setWindowTitle("Merisko");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    Random = env.random ? env.random : [](int n) { return int(QRandomGenerator::global()->bounded(n)); };
    m_beep = env.beep ? env.beep : [] { QApplication::beep(); };
    m_previewRefreshed = env.previewRefreshed;
    buildControls();
    wireStrip();
    buildFileControls(env);
    buildWorksheet(env);
    flags = RunStartupChecks(folders, env.screen, m_dialogs);
    if (!flags.Miss_Write && !flags.Miss_Base) {
        // The window is laid out for a 1224 × 735 client area inside its 1230 × 765 frame.
        setFixedSize(1224, 735);
        if (!flags.Miss_LCD)
            FormCreate();
    }
    move((env.screen.width - ProgramWidth) / 2, (env.screen.height - ProgramHeight) / 2);
    ScreenArea = env.screenArea.isEmpty() ? QRect(0, 0, env.screen.width, env.screen.height) : env.screenArea;
}

T_Form::~T_Form()
{
    // FormDestroy: the drawing objects go with the window; any may be absent after a refused start.
    delete viewPainter;
    viewPainter = nullptr;
    // An injected shelf outlives the window: nothing of it may call back here.
    m_shelf->OnStatus = nullptr;
    m_shelf->OnListChanged = nullptr;
    m_shelf->OnShowOpenEntry = nullptr;
    m_shelf->OnNameChanged = nullptr;
    m_shelf->OnOpened = nullptr;
    session.OnStatusNote = nullptr;
    m_shelf->SetNameDialogs(nullptr);
}

void T_Form::FormCreate()
{
    prepareSurfaces();
    lb_Words = readLines(folders.Base_B + "G.wo", m_dialogs);
    lb_Defin = readLines(folders.Base_B + "F.de", m_dialogs);
    edit = EditState();
    IChange = false;
    session.doc.Dimension = 0;
    session.doc.Ind_Curve = -1;
    session.doc.RModif = false;
    session.OnStatusNote = [this](const std::string &note) {
        sb_Panel->setText(QString::fromStdString(note));
        ShowDocumentName();
    };
    m_shelf->SetBackdrop({Br_txt, i_PNG});
    connectShelf();
    if (!m_shelf->OpenFirst())
        RedrawImage();  // no document: the texture alone
    m_shelf->OfferRecovery();
    p_Picto_TaveloClick();
}

void T_Form::prepareSurfaces()
{
    const QString b = folders.Base_B;
    // A reference picture that exists but cannot be read leaves a plain surface and says why.
    auto load = [&](const QString &name, int w, int h, QColor plain) {
        try {
            return LoadPngBitmap(b + name, w, h);
        } catch (const std::exception &e) {
            m_dialogs.Error(QString::fromUtf8(e.what()));
            QImage img(w, h, QImage::Format_RGB32);
            img.fill(plain);
            return img;
        }
    };
    i_Image->Picture = load("B.pn", 512, 512, Qt::white);
    i_PNG = i_Image->Picture;
    i_Picto->Picture = load("B.pn", 72, 72, Qt::white);
    i_Pure = i_Image->Picture;
    i_Colors->Picture = load("C.pn", 21, 600, Qt::white);
    Br_txt = QBrush(load("A.pn", 64, 64, QColor(0xE8, 0xE4, 0xDC)));
    viewPainter = new EditViewPainter(renderer, Br_txt);
    {
        QPainter g(&i_Image->Picture);
        g.fillRect(QRect(0, 0, 512, 512), Br_txt);
    }
    {
        QPainter g(&i_Pure);
        g.fillRect(QRect(0, 0, 512, 512), Br_txt);
    }
    i_Picto->Picture.fill(Qt::white);
    i_Dupl = PlaceholderThumb();
}

void T_Form::FormActivate()
{
    if (flags.Refused())
        close();
}

bool T_Form::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    if (e->type() == HookEvent) {
        m_hookPosted = false;
        AppMessageHook();
        return true;
    }
    return QWidget::event(e);
}

void T_Form::postHook()
{
    // One posted event however many repaints ask for it: the hook runs when the queue reaches it.
    if (m_hookPosted)
        return;
    m_hookPosted = true;
    QCoreApplication::postEvent(this, new QEvent(HookEvent));
}

void T_Form::closeEvent(QCloseEvent *e)
{
    if (m_shelf->QuerySaveChanges())
        e->accept();
    else
        e->ignore();
}

void T_Form::Guarded(const std::function<void()> &fn)
{
    RunGuarded(m_dialogs, fn);
}

void T_Form::AppMessageHook()
{
    if (m_inHook)
        return;
    m_inHook = true;
    lv_ListFile->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lv_Layers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (IChange) {
        IChange = false;
        UpdatePreview();
    }
    m_inHook = false;
}
