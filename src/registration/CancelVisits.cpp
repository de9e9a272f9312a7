#include "registration/CancelVisits.h"

#include "platform/db/SqlText.h"

namespace tj::registration {

using db::SqlText;

void CancelVisits(db::Connection& c, const std::vector<VisitToCancel>& visits)
{
    db::Transaction tx(c);
    for (const VisitToCancel& v : visits) {
        c.execute(SqlText::format("update tjian_sfei_main set zxbzhi=1, zxsjian=getdate() where tjhao='%s' ",
                                  v.examNumber));
        // Clearing the flag while another visit of the person is still open
        // would let him be registered a second time alongside it.
        c.execute(SqlText::format("update tjian_ryuan set djbzhi=0 where id=%d and not exists (select * from "
                                  "tjian_sfei_main where ryid=%d and zxbzhi=0 and zjbzhi=0) ",
                                  v.personId, v.personId));
    }
    tx.commit();
}

}  // namespace tj::registration
