// Layout of the main window, start-up and panel switching.
#include "app/frmmusterwright.h"

#include "app/addbackslash.h"
#include "app/instructionspanel.h"
#include "app/shelltexts.h"
#include "parties/panel/partiespanel.h"
#include "parties/panel/templatepanel.h"
#include "troops/panel/trooppanel.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace mw {

frmMusterwright::frmMusterwright(MessageService& messages, FolderChooser& chooser, QWidget* parent)
    : QWidget(parent)
    , messages_(messages)
    , chooser_(chooser)
{
    setObjectName(QStringLiteral("frmMusterwright"));
    setWindowTitle(kWindowCaption);
    auto* layout = new QVBoxLayout(this);

    Label54 = new QLabel(kTitleLabel, this);
    Label54->setObjectName(QStringLiteral("Label54"));
    Label54->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Verdana"), 18);
    titleFont.setBold(true);
    Label54->setFont(titleFont);
    layout->addWidget(Label54);
    buildStrip();
    layout->addWidget(frmControls);

    // On a small screen the panel area scrolls, so that every control stays reachable.
    auto* panelArea = new QScrollArea(this);
    panelArea->setObjectName(QStringLiteral("panelArea"));
    panelArea->setFrameShape(QFrame::NoFrame);
    panelArea->setWidgetResizable(true);
    panelArea->setWidget(buildPanels());
    layout->addWidget(panelArea, 1);
    lblPending = new QLabel(this);
    lblPending->setObjectName(QStringLiteral("lblPending"));
    layout->addWidget(lblPending);

    connect(cmbChooseFile, &QComboBox::currentIndexChanged, this, [this] { cmbChooseFile_Click(); });
    // Choosing the entry already chosen changes no index, yet shows its panel again.
    connect(cmbChooseFile, &QComboBox::activated, this, [this] {
        const Editor* chosen = chosenEditor();
        if (chosen && chosen->panel->isHidden())
            cmbChooseFile_Click();
    });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    buildKeyboard();

    Form_Load();
}

frmMusterwright::~frmMusterwright() = default;

QWidget* frmMusterwright::buildPanels()
{
    // The four panels share one place; exactly one is visible.
    auto* panels = new QWidget(this);
    auto* panelLayout = new QGridLayout(panels);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    frmInstructions = new InstructionsPanel(panels);
    frmTroops = new TroopPanel(state_, lists_, messages_, panels);
    frmParties = new PartiesPanel(state_, lists_, messages_, panels);
    frmParty_Templates = new TemplatePanel(state_, lists_, messages_, panels);
    editors_ = {
        { kChooseInstructions, frmInstructions, nullptr },
        { kChooseParties, frmParties, frmParties },
        { kChooseTemplates, frmParty_Templates, frmParty_Templates },
        { kChooseTroops, frmTroops, frmTroops },
    };
    // Hidden panels take no room: the panel area scrolls as far as the shown one needs.
    for (const Editor& editor : editors_) {
        cmbChooseFile->addItem(editor.entry);
        panelLayout->addWidget(editor.panel, 0, 0);
    }
    return panels;
}

void frmMusterwright::buildStrip()
{
    frmControls = captionedGroup(QStringLiteral("Controls"), QStringLiteral("frmControls"), this);
    cmbChooseFile
        = namedControl(new QComboBox(frmControls), QStringLiteral("cmbChooseFile"), QStringLiteral("Filename:"));
    cmbChooseFile->setEnabled(false);
    auto* fileLabel = labelFor(QStringLiteral("Filename:"), cmbChooseFile, frmControls);
    fileLabel->setObjectName(QStringLiteral("lblFilename"));
    txtFolder = namedControl(new QLineEdit(frmControls), QStringLiteral("txtFolder"), QStringLiteral("Folder:"));
    txtFolder->setReadOnly(true);
    auto* folderLabel = labelFor(QStringLiteral("Folder:"), txtFolder, frmControls);
    const auto button = [this](const QString& caption, const QString& name) {
        return namedControl(new QPushButton(caption, frmControls), name, caption);
    };
    cmdBrowse = button(QStringLiteral("Browse..."), QStringLiteral("cmdBrowse"));
    cmdUpdate = button(QStringLiteral("Update"), QStringLiteral("cmdUpdate"));
    cmdSave = button(QStringLiteral("Save"), QStringLiteral("cmdSave"));
    cmdUpdate->setEnabled(false);
    cmdSave->setEnabled(false);
    auto* strip = new QHBoxLayout(frmControls);
    strip->addWidget(fileLabel);
    strip->addWidget(cmbChooseFile);
    strip->addWidget(folderLabel);
    strip->addWidget(txtFolder, 1);
    for (QPushButton* command : { cmdBrowse, cmdUpdate, cmdSave })
        strip->addWidget(command);
}

void frmMusterwright::Form_Load()
{
    if (cmbChooseFile->currentText() == kChooseInstructions)
        cmbChooseFile_Click();
    else
        cmbChooseFile->setCurrentText(kChooseInstructions);
    QStringList levels;
    for (int i = 0; i <= 15; ++i)
        levels << QString::number(i);
    frmParty_Templates->setPersonalityLevels(levels);
    txtFolder->setText(AddBackSlash(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
}

const frmMusterwright::Editor* frmMusterwright::chosenEditor() const
{
    const QString chosen = cmbChooseFile->currentText();
    for (const Editor& editor : editors_) {
        if (editor.entry == chosen)
            return &editor;
    }
    return nullptr;
}

void frmMusterwright::showPanel(const QWidget* panel)
{
    for (const Editor& editor : editors_)
        editor.panel->setVisible(editor.panel == panel);
}

void frmMusterwright::cmbChooseFile_Click()
{
    const Editor* chosen = chosenEditor();
    showPanel(chosen ? chosen->panel : frmInstructions);
}

bool frmMusterwright::chooseFile(const QString& entry)
{
    const int index = cmbChooseFile->findText(entry);
    if (index < 0)
        return false;
    cmbChooseFile->setCurrentIndex(index);
    return true;
}

QListView* frmMusterwright::shownRecordList() const
{
    const Editor* chosen = chosenEditor();
    return chosen && chosen->records ? chosen->records->recordList() : nullptr;
}

void frmMusterwright::focusFind()
{
    const Editor* chosen = chosenEditor();
    if (!chosen || !chosen->records || !cmbChooseFile->isEnabled())
        return;
    // After a load the instructions show while the selector still names this panel.
    showPanel(chosen->panel);
    chosen->records->focusFind();
}

} // namespace mw
