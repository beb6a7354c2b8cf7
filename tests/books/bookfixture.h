#pragma once
// Pages written into a temporary book folder; main.cpp makes the application.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <ostream>

/// Readable QString values in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

/// A program folder in a temporary directory with the book folders Help/ and SnowMen/.
class BookFolder {
public:
    BookFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Help"));
        QDir(m_dir.path()).mkpath(QStringLiteral("SnowMen"));
    }

    QString programFolder() const { return m_dir.path(); }
    QString path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

    /// Writes a page in Windows-1250: the declaration, then body inside <book attributes>.
    void page(const QString &relative, const QString &body, const QString &attributes = {}) const
    {
        const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n<book%1>\n%2\n</book>\n")
                                .arg(attributes.isEmpty() ? QString() : QLatin1Char(' ') + attributes, body);
        raw(relative, QStringEncoder("windows-1250").encode(xml));
    }

    void raw(const QString &relative, const QByteArray &bytes) const
    {
        QFile f(path(relative));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    void picture(const QString &relative, int size) const
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(path(relative));
    }

private:
    QTemporaryDir m_dir;
};
