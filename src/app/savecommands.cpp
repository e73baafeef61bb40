// Update applies the panel of the chosen file to its lines in memory; Save writes the
// three editable files back, each replaced atomically, and reports their line counts. A file
// that another program changed after the load is only overwritten when the user says so.
#include "app/frmmusterwright.h"
#include "app/savecheck.h"
#include "app/shelltexts.h"
#include "core/modulefiles.h"
#include "core/textfiles.h"
#include "widgets/recordpanel.h"

#include <QComboBox>
#include <QLineEdit>

namespace mw {

void frmMusterwright::cmdUpdate_Click()
{
    if (!moduleComplete_)
        return;
    const Editor* chosen = chosenEditor();
    if (chosen && chosen->records)
        chosen->records->updateRecord();
    showPending();
}

void frmMusterwright::cmdSave_Click()
{
    if (!moduleComplete_)
        return;
    const QString folder = txtFolder->text();
    const QString troops = Save_Troops();
    const QString templates = Save_PT();
    const QString parties = Save_Parties();
    forgetSavedUpdates(troops, templates, parties);
    messages_.show(saveSummaryMessage(folder, troops, templates, parties), MessageIcon::None);
}

QString frmMusterwright::Save_Lines(const LineArray& lines, const QString& fileName)
{
    QString result;
    runReported(messages_, [&] {
        const QString path = txtFolder->text() + fileName;
        FileStamp& loaded = loadedStamps_[fileName];
        if (!mayOverwrite(messages_, path, fileName, loaded))
            return; // the user keeps the other program's file: an empty line, as for a failed writer
        const std::string bytes = lines.serialised();
        writeFileAtomically(path, bytes);
        loaded = stampOf(bytes);
        result = writerResult(fileName, lines.count());
    });
    return result;
}

QString frmMusterwright::Save_Troops()
{
    if (state_.TroopGeneration == FileGeneration::Later)
        return refuseLaterGeneration(state_.TroopLines, kTroopsFile);
    return Save_Lines(state_.TroopLines, kTroopsFile);
}

QString frmMusterwright::Save_PT()
{
    return Save_Lines(state_.PTLines, kTemplatesFile);
}

QString frmMusterwright::Save_Parties()
{
    if (state_.PartyGeneration == FileGeneration::Later)
        return refuseLaterGeneration(state_.PartyLines, kPartiesFile);
    return Save_Lines(state_.PartyLines, kPartiesFile);
}

// A file of a later generation than this editor knows is never written.
QString frmMusterwright::refuseLaterGeneration(const LineArray& lines, const QString& fileName)
{
    messages_.show(laterGenerationText(fileName, lines) + QStringLiteral("; it was not saved."), MessageIcon::Warning);
    return fileName + QStringLiteral(" (not saved)");
}

} // namespace mw
