#pragma once
// The document list: the names of the documents folder in the order the program shows them.

#include <QString>
#include <QStringList>

/// True when the document name a stands before b in the document list: in the Polish alphabet
/// ("Cukier", "Ćma", "Dom"), letter case ignored, a run of digits by its value ("2" before "10");
/// names differing in letter case only ("Dom.vkz", "dom.vkz") keep a fixed order, capital first.
bool NameBefore(const QString &a, const QString &b);

/// Whether the system's file names differ by letter case ("Dom.vkz" and "dom.vkz" two files).
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
inline constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif

/// A list of file names kept in `NameBefore` order, with a selected index (-1: none).
struct SortedNameList {
    QStringList Items;
    int ItemIndex = -1;
    void Clear() { Items.clear(); ItemIndex = -1; }
    void Add(const QString &name);
    int IndexOf(const QString &name) const;  ///< the entry naming the same file as name; -1 if absent
};

/// Appends to box the plain, visible files matching folder + pattern ("*.vkz").
void ListFiles(SortedNameList &box, const QString &folder, const QString &pattern);
