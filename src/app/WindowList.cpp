#include "app/WindowList.h"

#include "admin/TFCsSz.h"
#include "admin/TFYhSquan.h"
#include "admin/TFYhu.h"
#include "app/SmallDialogs.h"
#include "app/TFMain.h"
#include "app/TFSetBGround.h"
#include "app/TFSetPass.h"
#include "finance/TFSfyRjBda.h"
#include "finance/TFSfyRjie.h"
#include "finance/TFSfyYjBda.h"
#include "finance/TFSfyYjie.h"
#include "masterdata/Dictionaries.h"
#include "masterdata/TFCjjguo.h"
#include "masterdata/TFDwei.h"
#include "masterdata/TFKShi.h"
#include "masterdata/TFTCan.h"
#include "masterdata/TFXmu.h"
#include "masterdata/TFZdjlYJy.h"
#include "masterdata/TFZhXmu.h"
#include "queries/CombinedItemWorkload.h"
#include "queries/TFPrint_DwHbmdCxun.h"
#include "queries/TFPrint_DwRTjlCxun.h"
#include "queries/TFPrint_DwTjlCxun.h"
#include "queries/TFPrint_DwTjryCxun.h"
#include "queries/TFPrint_DwZjJyBbiao.h"
#include "queries/TFPrint_TjryLbiao.h"
#include "queries/TFPrint_TjsjCxun.h"
#include "queries/TFPrint_ZjYsGzlBbiao.h"
#include "registration/TFDaWhu.h"
#include "registration/TFTjDwHkuan.h"
#include "registration/TFVideo.h"
#include "registration/TFZjXm.h"
#include "registration/TFZxTjhao.h"

namespace tj::app {

namespace {
template <typename W>
ui::WindowRegistry::Factory make()
{
    return [](QWidget* parent) -> QDialog* { return new W(parent); };
}
}  // namespace

void RegisterWindows(TFMain& main)
{
    using Lifetime = ui::WindowRegistry::Lifetime;
    ui::WindowRegistry& w = main.windows();

    // Small dialogs, made for each use.
    w.add(QStringLiteral("TFAbout"), make<TFAbout>(), Lifetime::OneUse);
    w.add(QStringLiteral("TFSetPass"), make<TFSetPass>(), Lifetime::OneUse);
    w.add(QStringLiteral("TFSetBGround"),
          [&main](QWidget* parent) -> QDialog* { return new TFSetBGround(&main, parent); }, Lifetime::OneUse);

    // Catalogue.
    w.add(QStringLiteral("TFKShi"), make<masterdata::TFKShi>());
    w.add(QStringLiteral("TFXmu"), make<masterdata::TFXmu>());
    w.add(QStringLiteral("TFZhXmu"), make<masterdata::TFZhXmu>());
    w.add(QStringLiteral("TFTCan"), make<masterdata::TFTCan>());
    w.add(QStringLiteral("TFCjjguo"), make<masterdata::TFCjjguo>());
    w.add(QStringLiteral("TFZdjlYJy"), make<masterdata::TFZdjlYJy>());
    w.add(QStringLiteral("TFRylbie"), make<masterdata::TFRylbie>());
    w.add(QStringLiteral("TFTjlbie"), make<masterdata::TFTjlbie>());
    w.add(QStringLiteral("TFTjfqu"), make<masterdata::TFTjfqu>());
    w.add(QStringLiteral("TFJblbie"), make<masterdata::TFJblbie>());
    w.add(QStringLiteral("TFZcjguo"), make<masterdata::TFZcjguo>());
    w.add(QStringLiteral("TFDwxzhi"), make<masterdata::TFDwxzhi>());
    w.add(QStringLiteral("TFDwlbie"), make<masterdata::TFDwlbie>());
    w.add(QStringLiteral("TFFbie"), make<masterdata::TFFbie>());
    w.add(QStringLiteral("TFZhxmLbie"), make<masterdata::TFZhxmLbie>());

    // Front desk.
    w.add(QStringLiteral("TFDwei"), make<masterdata::TFDwei>());
    w.add(QStringLiteral("TFTCan_Dwei"), make<masterdata::TFTCan_Dwei>());
    w.add(QStringLiteral("TFTjDwHkuan"), make<registration::TFTjDwHkuan>());
    w.add(QStringLiteral("TFZjXm"), make<registration::TFZjXm>());
    w.add(QStringLiteral("TFVideo"), make<registration::TFVideo>());
    w.add(QStringLiteral("TFDaWhu"), make<registration::TFDaWhu>());
    w.add(QStringLiteral("TFZxTjhao"), make<registration::TFZxTjhao>());

    // Cashier settlements.
    w.add(QStringLiteral("TFSfyRjie"), make<finance::TFSfyRjie>());
    w.add(QStringLiteral("TFSfyRjBda"), make<finance::TFSfyRjBda>());
    w.add(QStringLiteral("TFSfyYjie"), make<finance::TFSfyYjie>());
    w.add(QStringLiteral("TFSfyYjBda"), make<finance::TFSfyYjBda>());

    // Queries, statistics and workload.
    w.add(QStringLiteral("TFPrint_DwTjryCxun"), make<queries::TFPrint_DwTjryCxun>());
    w.add(QStringLiteral("TFPrint_DwRTjlCxun"), make<queries::TFPrint_DwRTjlCxun>());
    w.add(QStringLiteral("TFPrint_DwTjlCxun"), make<queries::TFPrint_DwTjlCxun>());
    w.add(QStringLiteral("TFPrint_DwHbmdCxun"), make<queries::TFPrint_DwHbmdCxun>());
    w.add(QStringLiteral("TFPrint_TjryLbiao"), make<queries::TFPrint_TjryLbiao>());
    w.add(QStringLiteral("TFPrint_TjsjCxun"), make<queries::TFPrint_TjsjCxun>());
    w.add(QStringLiteral("TFPrint_KsYsGzlBbiao"), make<queries::TFPrint_KsYsGzlBbiao>());
    w.add(QStringLiteral("TFPrint_DwZjJyBbiao"), make<queries::TFPrint_DwZjJyBbiao>());
    w.add(QStringLiteral("TFPrint_KsGzlBbiao"), make<queries::TFPrint_KsGzlBbiao>());
    w.add(QStringLiteral("TFPrint_YsGzlBbiao"), make<queries::TFPrint_YsGzlBbiao>());
    w.add(QStringLiteral("TFPrint_ZjYsGzlBbiao"), make<queries::TFPrint_ZjYsGzlBbiao>());

    // Administration.
    w.add(QStringLiteral("TFCsSz"), [&main](QWidget* parent) -> QDialog* {
        auto* parameters = new admin::TFCsSz(parent);
        parameters->parametersSaved = [&main] { main.UpdateStatusBar(); };
        return parameters;
    });
    w.add(QStringLiteral("TFYhu"), make<admin::TFYhu>());
    w.add(QStringLiteral("TFYhSquan"), make<admin::TFYhSquan>());
}

}  // namespace tj::app
