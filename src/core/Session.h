// Values fixed by the login and the first showing of the main window, read
// by the rest of the program for the whole run.
#pragma once

#include "common/DesCipher.h"
#include "schema/Names.h"

#include <QDateTime>
#include <QString>

namespace tj::core {

struct Session {
    QString CurrentAccountSetName;
    QString CurrentDatabaseName;
    int CurrentUserId = 0;
    QString CurrentUserAccount;
    QString CurrentUserName;
    QString CurrentUserPhone;
    int CurrentDepartmentId = 0;
    QString CurrentDepartmentName;
    int LoginLogId = 0;
    QString LoginPassword;

    // Centre parameters, read when the main window is first shown and
    // updated by the parameter window.
    QString CentreName;
    bool StartTimeSet = false;
    QDateTime SoftwareStartTime;
    bool MonthEndSettingSet = false;
    QString MonthEndSetting;

    // Set by the quit dialog when the operator confirms.
    bool QuitConfirmed = false;

    static Session& current();
    // Back to the values of a fresh start (tests).
    static void reset();
};

// The permission system of this program in the menu registry and grants.
inline const QString SystemCode = schema::SubsystemCode;
// Key texts of the text cipher: the login in ConnectDB.ini, user passwords.
inline const QString ConnectIniKey = QString::fromLatin1(common::kConnectionSettingsKey);
inline const QString PasswordKey = QString::fromLatin1(common::kUserPasswordKey);

}  // namespace tj::core
