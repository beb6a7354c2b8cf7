#pragma once
// A reference store written into a temporary folder, with raw access to its records.

#include "reference/picturestore.h"
#include "reference/storewriter.h"
#include "render/pngfile.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

class StoreFixture : public ::testing::Test {
public:
    std::string folder() const { return m_dir.path().toStdString(); }
    std::string path(const char *name) const { return folder() + "/" + name; }

    /// The PNG file bytes of a picture, as SavePngBitmap writes them.
    std::string pngBytes(const QImage &image) const
    {
        const QString file = m_dir.filePath("picture.png");
        SavePngBitmap(image, file);
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        return in.readAll().toStdString();
    }

    std::string readFile(const char *name) const
    {
        QFile in(QString::fromStdString(path(name)));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        return in.readAll().toStdString();
    }

    void writeFile(const char *name, const std::string &bytes) const
    {
        QFile out(QString::fromStdString(path(name)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes.data(), qint64(bytes.size()));
    }

    /// Overwrites a little-endian 32-bit field of index record number at offset.
    void patchIndex(int number, int offset, int32_t value) const
    {
        std::string index = readFile("E.bt");
        for (int i = 0; i < 4; ++i)
            index[std::size_t(number * PictoIndexSize + offset + i)] = char((uint32_t(value) >> (8 * i)) & 0xFF);
        writeFile("E.bt", index);
    }

    int32_t indexField(int number, int offset) const
    {
        const std::string index = readFile("E.bt");
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | uint8_t(index[std::size_t(number * PictoIndexSize + offset + i)]);
        return int32_t(v);
    }

private:
    QTemporaryDir m_dir;
};
