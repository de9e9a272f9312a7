// tjtool cipher enc|dec TEXT KEY: enciphers a text to the stored hexadecimal
// form, or deciphers a stored value, for checking or resetting passwords.
#include "Command.h"

#include "common/DesCipher.h"

TJTOOL_COMMAND(QStringLiteral("cipher"),
               QStringLiteral("cipher enc|dec TEXT KEY"),
               QStringLiteral("encipher TEXT to hexadecimal, or decipher hexadecimal TEXT, with KEY"),
               [](const QStringList& args) {
                   const QString mode = args.value(0);
                   if (args.size() != 3 || (mode != QLatin1String("enc") && mode != QLatin1String("dec")))
                       return tjtool::usageError(QStringLiteral("cipher"));
                   tjtool::out(mode == QLatin1String("enc") ? tj::common::DesEncryptToHex(args[1], args[2])
                                                            : tj::common::DesDecryptFromHex(args[1], args[2]));
                   return 0;
               });
