// A folder chooser that answers from a script and records how it was asked, and a window
// fixture built on it and the message recorder.
#pragma once

#include "app/folderchooser.h"

#include <QStringList>
#include <deque>

namespace mw::test {

class ScriptedChooser : public FolderChooser {
public:
    QString chooseFolder(QWidget* owner, const QString& title, const QString& startFolder, int flags) override
    {
        askedOwner = owner;
        askedTitle = title;
        askedStart = startFolder;
        askedFlags = flags;
        ++calls;
        if (answers.empty())
            return QString();
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<QString> answers; // an empty answer is a cancel
    QWidget* askedOwner = nullptr;
    QString askedTitle;
    QString askedStart;
    int askedFlags = 0;
    int calls = 0;
};

} // namespace mw::test
