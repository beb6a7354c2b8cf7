#include "files/documentlist.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool NameBefore(const QString &a, const QString &b)
{
    // Made once: opening a collator costs far more than a comparison.
    static const QCollator polish = [] {
        QCollator c(QLocale(QLocale::Polish, QLocale::Poland));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    if (const int order = polish.compare(a, b); order != 0)
        return order < 0;
    return a < b;
}

void SortedNameList::Add(const QString &name)
{
    Items.insert(std::upper_bound(Items.begin(), Items.end(), name, NameBefore), name);
}

int SortedNameList::IndexOf(const QString &name) const
{
    for (int i = 0; i < Items.size(); ++i)
        if (Items[i].compare(name, FileNameCase) == 0)
            return i;
    return -1;
}

void ListFiles(SortedNameList &box, const QString &folder, const QString &pattern)
{
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList({pattern}, QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort))
        box.Add(f.fileName());
}
