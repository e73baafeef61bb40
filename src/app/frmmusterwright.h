// The main window: the title, the control strip, the four panels, and the commands that
// load a module folder, apply a panel (Update) and write the files back (Save).
#pragma once

#include "core/filestamp.h"
#include "core/messages.h"
#include "core/modulestate.h"
#include "widgets/sharedlists.h"

#include <QWidget>
#include <map>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace mw {

class FolderChooser;
class InstructionsPanel;
class PartiesPanel;
class RecordPanel;
class TemplatePanel;
class TroopPanel;
struct CatalogRead;
struct PartyFileRead;
struct TemplateFileRead;
template <typename Result> struct FileRead;

class frmMusterwright : public QWidget {
    Q_OBJECT
public:
    frmMusterwright(MessageService& messages, FolderChooser& chooser, QWidget* parent = nullptr);
    ~frmMusterwright() override;

    void Form_Load();
    void cmbChooseFile_Click();
    void cmdBrowse_Click();
    void cmdUpdate_Click();
    void cmdSave_Click();

    // Shows `folder` (already ending in the separator) and reads the five files from it,
    // as Browse does once a folder was chosen.
    void loadFolder(const QString& folder);

    // A load reads the files that are passed in beside the others (see loadFolder); these
    // readers take what was read, in the files' fixed order.
    int Read_Troops();
    int Read_Items(FileRead<CatalogRead>& file);
    int Read_Factions();
    int Read_Party_Templates(FileRead<TemplateFileRead>& file);
    int Read_Parties(FileRead<PartyFileRead>& file);

    QString Save_Troops();
    QString Save_PT();
    QString Save_Parties();

    // Reads "Musterwright.ini" from the current directory: DEFAULT_FOLDER=<folder> lines.
    void Read_Musterwright_INI();

    // Chooses `entry` in the file selector; false when it has no such entry.
    bool chooseFile(const QString& entry);
    // The record list of the panel the file selector shows, if that panel has one.
    QListView* shownRecordList() const;
    // Puts the focus into the find box of the panel the file selector names, showing it.
    void focusFind();

    ModuleState& state() { return state_; }
    SharedLists& lists() { return lists_; }
    // True when the data in memory came whole from the folder now shown; only then may
    // Update and Save run.
    bool moduleComplete() const { return moduleComplete_; }

private:
    // One entry of the file selector: the panel it shows and, for the three editable
    // files, the panel's record list and Update.
    struct Editor {
        QString entry;
        QWidget* panel;
        RecordPanel* records; // null for the instructions
    };
    const Editor* chosenEditor() const;
    void buildStrip();
    QWidget* buildPanels();
    void showPanel(const QWidget* panel);
    QString Save_Lines(const LineArray& lines, const QString& fileName);
    QString refuseLaterGeneration(const LineArray& lines, const QString& fileName);
    // The shortcuts, the buttons' tooltips that name them, and Return on a focused button.
    void buildKeyboard();
    void pressByKey(QPushButton* button);
    // The status line: how many records are updated and not saved.
    void showPending();
    // After Save: the records of every file that was written are no longer waiting.
    void forgetSavedUpdates(const QString& troops, const QString& templates, const QString& parties);

    MessageService& messages_;
    FolderChooser& chooser_;
    ModuleState state_;
    SharedLists lists_;
    bool moduleComplete_ = false;

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
    QLabel* lblPending;
    std::vector<Editor> editors_; // in the order of the file selector's entries
    // The three editable files as loaded (or last saved), by file name.
    LoadedStamps loadedStamps_;
};

} // namespace mw
