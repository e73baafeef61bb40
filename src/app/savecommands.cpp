// Update applies the panel of the chosen file to its lines in memory; Save writes the
// three editable files back, each replaced atomically, and reports their line counts.
#include "app/frmmusterwright.h"
#include "app/shelltexts.h"
#include "core/textfiles.h"
#include "parties/panel/partiespanel.h"
#include "parties/panel/templatepanel.h"
#include "troops/panel/trooppanel.h"

#include <QComboBox>
#include <QLineEdit>

namespace mw {

void frmMusterwright::cmdUpdate_Click()
{
    if (!moduleComplete_)
        return;
    const QString chosen = cmbChooseFile->currentText();
    if (chosen == kChooseTroops)
        frmTroops->Update_Troop();
    else if (chosen == kChooseTemplates)
        frmParty_Templates->Update_PT();
    else if (chosen == kChooseParties)
        frmParties->Update_Parties();
}

void frmMusterwright::cmdSave_Click()
{
    if (!moduleComplete_)
        return;
    const QString folder = txtFolder->text();
    const QString troops = Save_Troops();
    const QString templates = Save_PT();
    const QString parties = Save_Parties();
    messages_.show(saveSummaryMessage(folder, troops, templates, parties), MessageIcon::None);
}

QString frmMusterwright::Save_Lines(const LineArray& lines, const QString& fileName)
{
    QString result;
    runReported(messages_, [&] {
        writeLines(txtFolder->text() + fileName, lines);
        result = writerResult(fileName, lines.count());
    });
    return result;
}

QString frmMusterwright::Save_Troops()
{
    return Save_Lines(state_.TroopLines, QStringLiteral("troops.txt"));
}

QString frmMusterwright::Save_PT()
{
    return Save_Lines(state_.PTLines, QStringLiteral("party_templates.txt"));
}

QString frmMusterwright::Save_Parties()
{
    return Save_Lines(state_.PartyLines, QStringLiteral("parties.txt"));
}

} // namespace mw
