// Selecting a list entry of the shown panel.
#include "app/recordselection.h"

#include "app/frmmusterwright.h"

#include <QListView>

namespace mw {

bool selectRecord(frmMusterwright& window, int k)
{
    QListView* list = window.shownRecordList();
    if (!list || k < 0 || k >= list->model()->rowCount())
        return false;
    list->setCurrentIndex(list->model()->index(k, 0));
    return true;
}

} // namespace mw
