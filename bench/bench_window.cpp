// The main window with big documents: start-up to the first painted window, then an undo with
// nothing to undo, an edit (the current layer duplicated; deleted in a document that holds the most
// layers a file can), its undo and redo, and a save. Each case runs in a program folder of its own
// made for it; one case per run, so the run's peak memory is the case's.
//
// Usage: bench_window CASE     (CASE: samples, documents1000, layers8000, layers65535, points50000)
// Prints one JSON object: seconds per step and the case's size.
#include "app/tform.h"
#include "document/textformat.h"
#include "files/namedialogs.h"
#include "files/userdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

class QuietDialogs : public UserDialogs {
public:
    void Inform(const QString &, const QString &) override {}
    void Error(const QString &text) override { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
    Answer AskYesNoCancel(const QString &, const QString &) override { return No; }
    Answer AskYesNo(const QString &, const QString &, Answer) override { return Yes; }
};

class NoNames : public NameDialogs {
public:
    bool AskNewPicto(QString &, bool &) override { return false; }
    bool AskSaveName(QString &) override { return false; }
};

// A document of layers × points: rings of every kind over the view, as a pupil's layers would be.
std::string bigDocument(int layers, int points)
{
    PictoDocument doc;
    for (int i = 0; i < layers; ++i) {
        const int idx = NewCurve(doc, KindBlob + i % 4, points);
        R_Curve &c = doc.TCurveStruct[size_t(idx)];
        c.Width = 4 + 4 * (i % 3);
        c.Color = 0xFF000000u | static_cast<uint32_t>(i * 0x0A1B2Cu & 0xFFFFFFu);
        const double cx = 60 + (i * 97) % 392, cy = 60 + (i * 61) % 392, radius = 20 + (i * 13) % 100;
        for (int j = 0; j < points; ++j) {
            const double a = 6.283185307179586 * j / points;
            c.XYPoints[size_t(j)] = {float(std::round(cx + radius * std::cos(a))), float(std::round(cy + radius * std::sin(a)))};
        }
    }
    XYToPolar(doc);
    std::string text = FormatHeaderLine(doc.Dimension, doc.Dimension - 1) + "\r\n";
    for (int i = 0; i < doc.Dimension; ++i)
        text += FormatCurveLine(doc, i) + "\r\n";
    return text;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", path.toUtf8().constData());
}

QAbstractButton *button(const QWidget &w, ControlTag tag)
{
    for (QAbstractButton *b : w.findChildren<QAbstractButton *>())
        if (b->property("tag").toInt() == int(tag))
            return b;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string which = argc > 1 ? argv[1] : "samples";

    QTemporaryDir root;
    const QString base = MERISKO_DIR "/Base/", samples = MERISKO_DIR "/Result/";
    for (const char *d : {"Base", "Result", "Work", "Help", "SnowMen"})
        QDir(root.path()).mkpath(d);
    for (const QString &f : QDir(base).entryList(QDir::Files))
        QFile::copy(base + f, root.path() + "/Base/" + f);
    const QString result = root.path() + "/Result/";
    const QStringList sampleFiles = QDir(samples).entryList({"*.vkz"}, QDir::Files, QDir::Name);
    int documents = 0, layers = 0, points = 0;
    if (which == "documents1000") {
        // Each sample again and again under numbered names, each with its thumbnail.
        for (int i = 0; i < 1000; ++i) {
            const QString sample = sampleFiles[i % sampleFiles.size()];
            const QString name = QString("%1 Rysunek").arg(i + 1, 4, 10, QChar('0'));
            QFile::copy(samples + sample, result + name + ".vkz");
            QFile::copy(samples + sample.left(sample.size() - 4) + ".bmp", result + name + ".bmp");
        }
        documents = 1000;
    } else if (which == "layers8000" || which == "layers65535" || which == "points50000") {
        layers = which == "layers8000" ? 8000 : which == "layers65535" ? 65535 : 1;
        points = which == "points50000" ? 50000 : 4;
        write(result + "000 Duży.vkz", QByteArray::fromStdString(bigDocument(layers, points)));
        documents = 1;
    } else {
        for (const QString &f : QDir(samples).entryList(QDir::Files))
            QFile::copy(samples + f, result + f);
        documents = int(sampleFiles.size());
    }

    QuietDialogs dialogs;
    NoNames names;
    T_Form::Environment env;
    env.programFolder = root.path();
    env.screen = {1280, 1024, 96};
    env.dialogs = &dialogs;
    env.names = &names;
    env.openFolder = [](const QString &) {};
    env.random = [](int) { return 0; };
    env.beep = [] {};

    QElapsedTimer clock;
    clock.start();
    T_Form form(env);
    form.show();
    // Everything the start posted (the preview follows at the next turn of the loop), then the
    // whole window painted once.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    (void)form.grab();
    const double start = clock.nsecsElapsed() / 1e9;

    // One click and everything it leads to, painted.
    const auto step = [&](ControlTag tag) {
        if (qEnvironmentVariableIsSet("BENCH_WINDOW_STEPS"))
            std::fprintf(stderr, "step %d\n", int(tag));
        QElapsedTimer t;
        t.start();
        if (QAbstractButton *b = button(form, tag))
            b->click();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        (void)form.grab();
        return t.nsecsElapsed() / 1e9;
    };
    const double undoNothing = step(ControlTag::Undo);
    const double edit = step(layers == 65535 ? ControlTag::LayerDelete : ControlTag::LayerDuplicate);
    const double undo = step(ControlTag::Undo);
    const double redo = step(ControlTag::Redo);
    const double save = step(ControlTag::SavePicto);
    std::printf("{\"case\": \"%s\", \"documents\": %d, \"layers\": %d, \"points\": %d, \"start\": %.6f, "
                "\"undoNothing\": %.6f, \"edit\": %.6f, \"undo\": %.6f, \"redo\": %.6f, \"save\": %.6f}\n",
                which.c_str(), documents, layers, points, start, undoNothing, edit, undo, redo, save);
    return 0;
}
