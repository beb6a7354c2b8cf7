#pragma once
// What the Qt-using targets share: an offscreen application, and a scratch folder in memory for
// the readers that take file names.

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

inline void startOffscreenApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication *app = new QGuiApplication(argc, argv);  // lives for the whole run
    (void)app;
}

/// A folder of this process under /dev/shm (or the temporary folder), created once.
inline const std::string &scratchFolder()
{
    static const std::string folder = [] {
        const std::string base = QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath().toStdString();
        std::string f = base + "/merisko-fuzz-" + std::to_string(::getpid());
        QDir().mkpath(QString::fromStdString(f));
        return f;
    }();
    return folder;
}

inline void writeFile(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        std::abort();
    if (size > 0)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}
