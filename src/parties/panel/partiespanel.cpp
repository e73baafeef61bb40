// The parties panel: its controls, their layout and its handlers.
#include "parties/panel/partiespanel.h"

#include "parties/fieldchecks.h"
#include "parties/partyfile.h"
#include "parties/partytexts.h"
#include "widgets/controls.h"
#include "widgets/findbox.h"
#include "widgets/focusout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace mw {

PartiesPanel::PartiesPanel(ModuleState& module, SharedLists& lists, MessageService& messages, QWidget* parent)
    : RecordPanel(module, lists, messages, parent)
{
    setObjectName(QStringLiteral("frmParties"));
    buildControls();
    forgetOnRefill();
    connect(
        lstParties->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { lstParties_Click(); });
    onFocusOut(txtPartiesID, [this] { txtPartiesID_LostFocus(); });
    onFocusOut(txtPartiesName, [this] { txtPartiesName_LostFocus(); });
    onFocusOut(txtPartiesMenu, [this] { txtPartiesMenu_LostFocus(); });
}

void PartiesPanel::buildControls()
{
    lstParties = makeRecordList(lists_.partyEntries, QStringLiteral("lstParties"), QStringLiteral("Parties List"),
        QStringLiteral("txtFindParty"));
    FramePartiesList = groupAround(
        { findBox(), lstParties }, QStringLiteral("Parties List"), QStringLiteral("FramePartiesList"), this);
    FramePartiesName = nameGroup(QStringLiteral("FramePartiesName"), txtPartiesID, QStringLiteral("txtPartiesID"),
        txtPartiesName, QStringLiteral("txtPartiesName"), this);
    cmbPTemplates
        = sharedCombo(lists_.templateEntries, QStringLiteral("cmbPTemplates"), QStringLiteral("Party Template"), this);
    FramePartiesTemplate
        = groupAround(cmbPTemplates, QStringLiteral("Party Template"), QStringLiteral("FramePartiesTemplate"), this);
    cmbPFactions = sharedCombo(lists_.factionEntries, QStringLiteral("cmbPFactions"), QStringLiteral("Faction"), this);
    FramePartiesFaction
        = groupAround(cmbPFactions, QStringLiteral("Faction"), QStringLiteral("FramePartiesFaction"), this);
    txtPartiesMenu = numberBox(QStringLiteral("txtPartiesMenu"), QStringLiteral("Menu"), this);
    FramePartiesMenu = groupAround(txtPartiesMenu, QStringLiteral("Menu"), QStringLiteral("FramePartiesMenu"), this);

    auto* right = new QVBoxLayout;
    right->addWidget(FramePartiesName);
    right->addWidget(FramePartiesTemplate);
    auto* factionAndMenu = new QHBoxLayout;
    factionAndMenu->addWidget(FramePartiesFaction, 3);
    factionAndMenu->addWidget(FramePartiesMenu, 1);
    right->addLayout(factionAndMenu);
    right->addStretch(1);

    auto* root = new QHBoxLayout(this);
    root->addWidget(FramePartiesList, 1);
    root->addLayout(right, 1);
}

void PartiesPanel::lstParties_Click()
{
    const int k = currentRecord();
    if (k < 0)
        return;
    runReported(messages_, [&] {
        const PartyShown shown = showParty(module_, k, choiceCounts());
        holds_ = { k, shown.problem };
        display(shown);
        messages_.report(shown.outcome);
    });
}

void PartiesPanel::display(const PartyShown& shown)
{
    if (shown.id)
        txtPartiesID->setText(*shown.id);
    if (shown.name)
        txtPartiesName->setText(*shown.name);
    if (shown.menu)
        txtPartiesMenu->setText(*shown.menu);
    if (shown.partyTemplate)
        cmbPTemplates->setCurrentIndex(*shown.partyTemplate);
    if (shown.faction)
        cmbPFactions->setCurrentIndex(*shown.faction);
}

PartyInput PartiesPanel::input() const
{
    return { txtPartiesID->text(), txtPartiesName->text(), txtPartiesMenu->text(), cmbPTemplates->currentIndex(),
        cmbPFactions->currentIndex(), holds_ };
}

void PartiesPanel::Update_Parties()
{
    runReported(messages_, [&] {
        const int k = selectedRecord();
        if (k < 0) {
            messages_.show(kSelectPartyMessage, MessageIcon::Critical);
            return;
        }
        // The focus-lost checks, for a box the focus has not left since it was edited; a
        // menu the check refuses is not written.
        txtPartiesID_LostFocus();
        txtPartiesName_LostFocus();
        if (!txtPartiesMenu_LostFocus())
            return;
        const PartyRebuilt rebuilt = rebuildParty(module_, k, input());
        if (!rebuilt.lines.empty()) {
            setEntry(lists_.partyEntries, k, rebuilt.entry);
            storeLines(module_.PartyLines, rebuilt.lines, kPartiesFile);
            markUpdated(k);
        }
        messages_.report(rebuilt.outcome);
    });
}

void PartiesPanel::txtPartiesID_LostFocus()
{
    replaceText(txtPartiesID, underscoreSpaces(txtPartiesID->text()));
}

void PartiesPanel::txtPartiesName_LostFocus()
{
    replaceText(txtPartiesName, underscoreSpaces(txtPartiesName->text()));
}

bool PartiesPanel::txtPartiesMenu_LostFocus()
{
    if (partiesMenuAccepted(txtPartiesMenu->text()))
        return true;
    messages_.show(kPartiesMenuMessage, MessageIcon::Information);
    txtPartiesMenu->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace mw
