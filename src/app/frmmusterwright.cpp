// Layout of the main window, start-up and panel switching.
#include "app/frmmusterwright.h"

#include "app/addbackslash.h"
#include "app/instructionspanel.h"
#include "app/shelltexts.h"
#include "parties/panel/partiespanel.h"
#include "parties/panel/templatepanel.h"
#include "troops/panel/trooppanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mw {
namespace {

template <typename W>
W* named(W* widget, const char* name, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

frmMusterwright::frmMusterwright(MessageService& messages, FolderChooser& chooser, QWidget* parent)
    : QWidget(parent), messages_(messages), chooser_(chooser)
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

    frmControls = new QGroupBox(QStringLiteral("Controls"), this);
    frmControls->setObjectName(QStringLiteral("frmControls"));
    auto* strip = new QHBoxLayout(frmControls);
    auto* fileLabel = new QLabel(QStringLiteral("Filename:"), frmControls);
    fileLabel->setObjectName(QStringLiteral("lblFilename"));
    cmbChooseFile = named(new QComboBox(frmControls), "cmbChooseFile", QStringLiteral("Filename:"));
    cmbChooseFile->addItems({kChooseInstructions, kChooseParties, kChooseTemplates, kChooseTroops});
    cmbChooseFile->setEnabled(false);
    fileLabel->setBuddy(cmbChooseFile);
    auto* folderLabel = new QLabel(QStringLiteral("Folder:"), frmControls);
    folderLabel->setObjectName(QStringLiteral("lblFolder"));
    txtFolder = named(new QLineEdit(frmControls), "txtFolder", QStringLiteral("Folder:"));
    txtFolder->setReadOnly(true);
    folderLabel->setBuddy(txtFolder);
    cmdBrowse = named(new QPushButton(QStringLiteral("Browse..."), frmControls), "cmdBrowse", QStringLiteral("Browse..."));
    cmdUpdate = named(new QPushButton(QStringLiteral("Update"), frmControls), "cmdUpdate", QStringLiteral("Update"));
    cmdSave = named(new QPushButton(QStringLiteral("Save"), frmControls), "cmdSave", QStringLiteral("Save"));
    cmdUpdate->setEnabled(false);
    cmdSave->setEnabled(false);
    strip->addWidget(fileLabel);
    strip->addWidget(cmbChooseFile);
    strip->addWidget(folderLabel);
    strip->addWidget(txtFolder, 1);
    strip->addWidget(cmdBrowse);
    strip->addWidget(cmdUpdate);
    strip->addWidget(cmdSave);
    layout->addWidget(frmControls);

    // The four panels share one place; exactly one is visible.
    auto* panels = new QWidget(this);
    auto* panelLayout = new QGridLayout(panels);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    frmInstructions = new InstructionsPanel(panels);
    frmTroops = new TroopPanel(state_, lists_, messages_, panels);
    frmParties = new PartiesPanel(state_, lists_, messages_, panels);
    frmParty_Templates = new TemplatePanel(state_, lists_, messages_, panels);
    QSize needed;
    for (QWidget* panel : std::initializer_list<QWidget*>{frmInstructions, frmTroops, frmParties, frmParty_Templates}) {
        panelLayout->addWidget(panel, 0, 0);
        needed = needed.expandedTo(panel->minimumSizeHint());
    }
    panels->setMinimumSize(needed);
    layout->addWidget(panels, 1);

    connect(cmbChooseFile, &QComboBox::currentIndexChanged, this, [this] { cmbChooseFile_Click(); });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });

    Form_Load();
}

frmMusterwright::~frmMusterwright() = default;

void frmMusterwright::Form_Load()
{
    if (cmbChooseFile->currentText() == kChooseInstructions)
        cmbChooseFile_Click();
    else
        cmbChooseFile->setCurrentText(kChooseInstructions);
    QStringList levels;
    for (int i = 0; i <= 15; ++i)
        levels << QString::number(i);
    frmParty_Templates->cmbPTAgressiveness->clear();
    frmParty_Templates->cmbPTAgressiveness->addItems(levels);
    frmParty_Templates->cmbPTCourage->clear();
    frmParty_Templates->cmbPTCourage->addItems(levels);
    txtFolder->setText(AddBackSlash(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
}

void frmMusterwright::showPanel(QWidget* panel)
{
    frmTroops->setVisible(panel == frmTroops);
    frmParty_Templates->setVisible(panel == frmParty_Templates);
    frmInstructions->setVisible(panel == frmInstructions);
    frmParties->setVisible(panel == frmParties);
}

void frmMusterwright::cmbChooseFile_Click()
{
    const QString chosen = cmbChooseFile->currentText();
    if (chosen == kChooseTroops)
        showPanel(frmTroops);
    else if (chosen == kChooseTemplates)
        showPanel(frmParty_Templates);
    else if (chosen == kChooseParties)
        showPanel(frmParties);
    else
        showPanel(frmInstructions);
}

} // namespace mw
