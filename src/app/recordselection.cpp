// Selecting a list entry of the shown panel.
#include "app/recordselection.h"

#include "app/frmmusterwright.h"
#include "app/shelltexts.h"
#include "parties/panel/partiespanel.h"
#include "parties/panel/templatepanel.h"
#include "troops/panel/trooppanel.h"

#include <QListView>
#include <QComboBox>

namespace mw {

bool selectRecord(frmMusterwright& window, int k)
{
    const QString chosen = window.cmbChooseFile->currentText();
    QAbstractItemView* list = nullptr;
    if (chosen == kChooseTroops)
        list = window.frmTroops->ListTroops;
    else if (chosen == kChooseTemplates)
        list = window.frmParty_Templates->lstPartyTemplates;
    else if (chosen == kChooseParties)
        list = window.frmParties->lstParties;
    if (!list || k < 0 || k >= list->model()->rowCount())
        return false;
    list->setCurrentIndex(list->model()->index(k, 0));
    return true;
}

} // namespace mw
