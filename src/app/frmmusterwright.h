// The main window: the title, the control strip, the four panels, and the commands that
// load a module folder, apply a panel (Update) and write the files back (Save).
#pragma once

#include "core/messages.h"
#include "core/modulestate.h"
#include "widgets/sharedlists.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mw {

class FolderChooser;
class InstructionsPanel;
class PartiesPanel;
class TemplatePanel;
class TroopPanel;

class frmMusterwright : public QWidget {
    Q_OBJECT
public:
    frmMusterwright(MessageService& messages, FolderChooser& chooser, QWidget* parent = nullptr);
    ~frmMusterwright() override;

    QLabel* Label54;
    QGroupBox* frmControls;
    QComboBox* cmbChooseFile;
    QLineEdit* txtFolder;
    QPushButton* cmdBrowse;
    QPushButton* cmdUpdate;
    QPushButton* cmdSave;

    InstructionsPanel* frmInstructions;
    TroopPanel* frmTroops;
    PartiesPanel* frmParties;
    TemplatePanel* frmParty_Templates;

    void Form_Load();
    void cmbChooseFile_Click();
    void cmdBrowse_Click();
    void cmdUpdate_Click();
    void cmdSave_Click();

    // Shows `folder` (already ending in the separator) and reads the five files from it,
    // as Browse does once a folder was chosen.
    void loadFolder(const QString& folder);

    int Read_Troops();
    int Read_Items();
    int Read_Factions();
    int Read_Party_Templates();
    int Read_Parties();

    QString Save_Troops();
    QString Save_PT();
    QString Save_Parties();

    // Reads "Musterwright.ini" from the current directory: DEFAULT_FOLDER=<folder> lines.
    void Read_Musterwright_INI();

    ModuleState& state() { return state_; }
    SharedLists& lists() { return lists_; }
    // True when the data in memory came whole from the folder now shown; only then may
    // Update and Save run.
    bool moduleComplete() const { return moduleComplete_; }

private:
    QString Save_Lines(const LineArray& lines, const QString& fileName);
    void showPanel(QWidget* panel);

    MessageService& messages_;
    FolderChooser& chooser_;
    ModuleState state_;
    SharedLists lists_;
    bool moduleComplete_ = false;
};

} // namespace mw
