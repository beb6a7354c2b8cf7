#pragma once
// A program folder of our own for each test: the reference files of the build, a documents folder
// with the documents a test asks for, and message boxes that are recorded instead of shown.

#include "../files/fakedialogs.h"
#include "app/tform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

/// The application made by the test program's main().
inline QApplication &widgetApp() { return *static_cast<QApplication *>(QCoreApplication::instance()); }

class ProgramFolderTest : public ::testing::Test {
public:
    QApplication &application = widgetApp();
    QTemporaryDir root;
    RecordingDialogs dialogs;
    RecordingNames names;
    QStringList openedFolders;  ///< folders the window asked the file browser to show
    ScreenFacts screen{1280, 1024, 96};
    int beeps = 0;     ///< beeps of the window (undo or redo with nothing to do)
    int previews = 0;  ///< refreshes of the window's preview
    /// The reference strip's choice of numbers; null: the system's random numbers.
    std::function<int(int)> random;

    QString folder(const char *name) const { return root.path() + "/" + name + "/"; }

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char *d : {"Base", "Result", "Work", "Help", "SnowMen"})
            QDir(root.path()).mkpath(d);
        for (const QString &f : QDir(MERISKO_BASE_DIR).entryList(QDir::Files))
            QFile::copy(QString(MERISKO_BASE_DIR) + "/" + f, folder("Base") + f);
    }

    /// Writes a document of the given layers (lines of the text format) into Result/.
    void putDocument(const QString &name, const QByteArray &text)
    {
        QFile f(folder("Result") + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    /// The file workflow of the window last started, where the tests read the document.
    DocumentShelf &shelf() { return *m_shelf; }

    /// What the window is given: this folder, the recorded boxes, names as its name dialogs (null:
    /// the real ones), a shelf of its own, the counted beeps. The shelf of an earlier start goes with
    /// it, as at the program's next run (its window must be gone).
    T_Form::Environment environment(NameDialogs *nameDialogs)
    {
        m_shelf = std::make_unique<DocumentShelf>(ProgramFolders::Beside(root.path()), dialogs);
        T_Form::Environment env;
        env.programFolder = root.path();
        env.screen = screen;
        env.dialogs = &dialogs;
        env.names = nameDialogs;
        env.openFolder = [this](const QString &f) { openedFolders << f; };
        env.shelf = m_shelf.get();
        env.random = [this](int n) { return random ? random(n) : 0; };
        env.beep = [this] { ++beeps; };
        env.previewRefreshed = [this] { ++previews; };
        return env;
    }
    T_Form::Environment environment() { return environment(&names); }

    std::unique_ptr<T_Form> start(NameDialogs *nameDialogs)
    {
        return std::make_unique<T_Form>(environment(nameDialogs));
    }
    std::unique_ptr<T_Form> start() { return start(&names); }

private:
    std::unique_ptr<DocumentShelf> m_shelf;
};
