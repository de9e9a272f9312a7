// tjtool pinyin TEXT: prints the search code the program stores for a name.
#include "Command.h"

#include "common/PinyinCode.h"

TJTOOL_COMMAND(QStringLiteral("pinyin"),
               QStringLiteral("pinyin TEXT"),
               QStringLiteral("print the pinyin search code (pyjma) of TEXT"),
               [](const QStringList& args) {
                   if (args.size() != 1) {
                       tjtool::err(QStringLiteral("usage: tjtool pinyin TEXT"));
                       return 2;
                   }
                   tjtool::out(tj::common::PinyinCode(args.first()));
                   return 0;
               });
