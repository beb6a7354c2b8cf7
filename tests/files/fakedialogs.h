#pragma once
// Message boxes and name dialogs that are recorded and answered as a test sets them up, and the
// documents the tests put in a documents folder.

#include "document/textformat.h"
#include "files/namedialogs.h"
#include "files/userdialogs.h"

#include <QByteArray>
#include <QString>

#include <vector>

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
