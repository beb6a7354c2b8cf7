#pragma once
// A program folder of our own for each test: the reference files of the build, a documents folder
// with the documents a test asks for, and message boxes that are recorded instead of shown.

#include "app/tform.h"
#include "app/userdialogs.h"
#include "dialogs/namedialogs.h"
#include "document/textformat.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

/// The application made by the test program's main().
inline QApplication &widgetApp() { return *static_cast<QApplication *>(QCoreApplication::instance()); }

struct RecordedBox {
    QString text, caption;
};

class RecordingDialogs : public UserDialogs {
public:
    std::vector<RecordedBox> shown;
    std::vector<QString> errors;
    Answer answer = Cancel;  ///< the answer to "Czy zapisać zmiany?"
    int questions = 0;       ///< how many times that question was asked
    Answer yesNo = Yes;      ///< the answer to every Tak/Nie question
    std::vector<QString> yesNoAsked;  ///< the texts of the Tak/Nie questions, in order
    void Inform(const QString &text, const QString &caption) override { shown.push_back({text, caption}); }
    void Error(const QString &text) override { errors.push_back(text); }
    Answer AskYesNoCancel(const QString &, const QString &) override
    {
        ++questions;
        return answer;
    }
    Answer AskYesNo(const QString &text, const QString &, Answer) override
    {
        yesNoAsked.push_back(text);
        return yesNo;
    }
};

/// Answers the name dialogs as a test sets them up; a name that is empty cancels.
class RecordingNames : public NameDialogs {
public:
    QString newName, saveName;
    bool example = false;
    int asked = 0;
    bool AskNewPicto(QString &name, bool &ex) override
    {
        ++asked;
        name = newName;
        ex = example;
        return !newName.isEmpty();
    }
    bool AskSaveName(QString &name) override
    {
        ++asked;
        name = saveName;
        return !saveName.isEmpty();
    }
};

/// Document text of the first n layers of the snowman example, current layer n - 1.
inline QByteArray snowmanLayers(int n)
{
    PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
    std::string text = FormatHeaderLine(n, n - 1) + "\r\n";
    for (int i = 0; i < n; ++i)
        text += FormatCurveLine(doc, i) + "\r\n";
    return QByteArray::fromStdString(text);
}

class ProgramFolderTest : public ::testing::Test {
public:
    QApplication &application = widgetApp();
    QTemporaryDir root;
    RecordingDialogs dialogs;
    RecordingNames names;
    QStringList openedFolders;  ///< folders the window asked the file browser to show
    ScreenFacts screen{1280, 1024, 96};
    int beeps = 0;  ///< beeps of the window (undo or redo with nothing to do)
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

    /// What the window is given: this folder, the recorded boxes and names, the counted beeps.
    T_Form::Environment environment()
    {
        T_Form::Environment env;
        env.programFolder = root.path();
        env.screen = screen;
        env.dialogs = &dialogs;
        env.names = &names;
        env.openFolder = [this](const QString &f) { openedFolders << f; };
        env.random = [this](int n) { return random ? random(n) : 0; };
        env.beep = [this] { ++beeps; };
        return env;
    }

    std::unique_ptr<T_Form> start() { return std::make_unique<T_Form>(environment()); }
};
