#pragma once
// The copies of unsaved changes in a test's program folder (Work/odzysk/), for a fixture Base that
// has folder("Work") and putDocument(name, text).

#include "document/textformat.h"
#include "fakedialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <vector>

template <class Base>
class WithRecoveryCopies : public Base {
public:
    const QDateTime longAgo = QDateTime(QDate(2026, 1, 5), QTime(9, 0));
    const QDateTime crash = QDateTime(QDate(2026, 12, 10), QTime(14, 5));

    QString copyOf(const QString &name) const { return this->folder("Work") + "odzysk/" + name; }
    bool hasCopy(const QString &name) const { return QFile::exists(copyOf(name)); }
    std::vector<std::string> copyLines(const QString &name) const
    {
        return LoadPictoLines(copyOf(name).toStdString());
    }
    static void dated(const QString &path, const QDateTime &when)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Append)) << path.toStdString();
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    void putCopy(const QString &name, const QByteArray &text, const QDateTime &when)
    {
        QDir().mkpath(this->folder("Work") + "odzysk");
        QFile f(copyOf(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        dated(copyOf(name), when);
    }
    /// "001 A.vkz" (2 layers) and "002 B.vkz" (3 layers), both saved long ago.
    void putTwo()
    {
        this->putDocument("001 A.vkz", snowmanLayers(2));
        this->putDocument("002 B.vkz", snowmanLayers(3));
        dated(this->folder("Result") + "001 A.vkz", longAgo);
        dated(this->folder("Result") + "002 B.vkz", longAgo);
    }
};
