// The folder dialog as an injectable seam, and the small class that carries its
// properties for one Browse: owner, instruction text, folder, flags, cancelled.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace mw {

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // Lets the user pick a folder (only folders, `startFolder` preselected); empty on cancel.
    virtual QString chooseFolder(QWidget* owner, const QString& title, const QString& startFolder, int flags) = 0;
};

// The real dialog.
class DialogFolderChooser : public FolderChooser {
public:
    QString chooseFolder(QWidget* owner, const QString& title, const QString& startFolder, int flags) override;
};

inline constexpr int kOnlyFileSystemFolders = 1;
inline constexpr int kNewDialogStyle = 64;

class cBrowseFolder {
public:
    explicit cBrowseFolder(FolderChooser& chooser)
        : chooser_(chooser)
    {
    }

    void setLFlags(int flags) { lFlags_ = flags; }
    int lFlags() const { return lFlags_; }
    void setBCancelled(bool cancelled) { bCancelled_ = cancelled; }
    bool bCancelled() const { return bCancelled_; }
    void setLhWnd(QWidget* owner) { lhWnd_ = owner; }
    QWidget* lhWnd() const { return lhWnd_; }
    void setSTitle(const QString& title) { sTitle_ = title; }
    const QString& sTitle() const { return sTitle_; }
    void setSFolder(const QString& folder) { sFolder_ = folder; }
    const QString& sFolder() const { return sFolder_; }

    // Runs the dialog. Returns the chosen folder (also left in sFolder), or an empty text
    // with bCancelled set when none was chosen.
    QString ShowBrowse(std::optional<QWidget*> owner = std::nullopt, std::optional<QString> title = std::nullopt,
        std::optional<QString> folder = std::nullopt);

private:
    FolderChooser& chooser_;
    int lFlags_ = kOnlyFileSystemFolders;
    bool bCancelled_ = false;
    QWidget* lhWnd_ = nullptr;
    QString sTitle_;
    QString sFolder_;
};

} // namespace mw
