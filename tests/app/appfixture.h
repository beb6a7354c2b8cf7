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

    /// Starts the window with names as its name dialogs (null: the real ones) on a shelf of its own;
    /// the shelf of an earlier start goes with it, as at the program's next run (its window must be gone).
    std::unique_ptr<T_Form> start(NameDialogs *nameDialogs)
    {
        m_shelf = std::make_unique<DocumentShelf>(ProgramFolders::Beside(root.path()), dialogs);
        return std::make_unique<T_Form>(T_Form::Environment{root.path(), screen, &dialogs, nameDialogs,
                                                            [this](const QString &f) { openedFolders << f; },
                                                            m_shelf.get()});
    }
    std::unique_ptr<T_Form> start() { return start(&names); }

private:
    std::unique_ptr<DocumentShelf> m_shelf;
};
