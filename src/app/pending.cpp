// What is not saved: the status line, and the marks of updated records that a Save clears
// for every file it wrote.
#include "app/frmmusterwright.h"
#include "app/shelltexts.h"
#include "core/modulefiles.h"
#include "parties/panel/partiespanel.h"
#include "parties/panel/templatepanel.h"
#include "troops/panel/trooppanel.h"

#include <QLabel>

namespace mw {

void frmMusterwright::showPending()
{
    lblPending->setText(
        pendingMessage(frmTroops->updatedCount(), frmParty_Templates->updatedCount(), frmParties->updatedCount()));
}

void frmMusterwright::forgetSavedUpdates(const QString& troops, const QString& templates, const QString& parties)
{
    // Only a writer that wrote its file reports its line count: after a failure (an empty
    // result) or a refusal, that file's records still wait.
    const struct {
        const QString& result;
        const QString& file;
        const LineArray& lines;
        RecordPanel* panel;
    } saves[] = { { troops, kTroopsFile, state_.TroopLines, frmTroops },
        { templates, kTemplatesFile, state_.PTLines, frmParty_Templates },
        { parties, kPartiesFile, state_.PartyLines, frmParties } };
    for (const auto& save : saves) {
        if (save.result == writerResult(save.file, save.lines.count()))
            save.panel->forgetUpdates();
    }
    showPending();
}

} // namespace mw
