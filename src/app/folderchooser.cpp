// The folder dialog and cBrowseFolder.
#include "app/folderchooser.h"

#include <QDir>
#include <QFileDialog>

namespace mw {

QString DialogFolderChooser::chooseFolder(QWidget* owner, const QString& title, const QString& startFolder, int)
{
    // Only folders can be chosen, and the dialog can create one: what the flags ask for.
    const QString chosen = QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
    return QDir::toNativeSeparators(chosen);
}

QString cBrowseFolder::ShowBrowse(
    std::optional<QWidget*> owner, std::optional<QString> title, std::optional<QString> folder)
{
    if (owner)
        lhWnd_ = *owner;
    if (title)
        sTitle_ = *title;
    if (folder)
        sFolder_ = *folder;
    const QString chosen = chooser_.chooseFolder(lhWnd_, sTitle_, sFolder_, lFlags_);
    if (chosen.isEmpty())
        bCancelled_ = true;
    sFolder_ = chosen.trimmed();
    if (sFolder_.isEmpty()) {
        bCancelled_ = true;
        return QString();
    }
    return sFolder_;
}

} // namespace mw
