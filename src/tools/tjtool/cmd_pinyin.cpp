// tjtool pinyin TEXT: prints the search code the program stores for a name.
#include "Command.h"

#include "common/PinyinCode.h"

TJTOOL_COMMAND(QStringLiteral("pinyin"),
               QStringLiteral("pinyin TEXT"),
               QStringLiteral("print the pinyin search code (pyjma) of TEXT"),
               [](const QStringList& args) {
                   if (args.size() != 1)
                       return tjtool::usageError(QStringLiteral("pinyin"));
                   tjtool::out(tj::common::PinyinCode(args.first()));
                   return 0;
               });
