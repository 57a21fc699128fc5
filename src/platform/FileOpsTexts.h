#pragma once

#include "platform/Outcome.h"

#include <QList>
#include <QString>
#include <functional>

// What the real file operations of every system say, and the one decision they
// share: which entries a leftover folder may lose, and in what order.

// The reason a change failed. The program never follows a link where it writes
// or removes, so ELOOP there means a link stands where a file or folder was.
Outcome changeFailure(int errnoValue);
// A folder this program made was replaced under its name while the run worked.
Outcome swappedFolder();
// What was to be a leftover folder is a link or a file.
Outcome notAFolder();
// The leftover folder belongs to another user.
Outcome othersFolder();

struct LeftoverEntry {
    QString name;
    bool ordinaryFile = false;
};

// The names to remove from a leftover folder, the mark last, so that a stop
// halfway leaves a folder still known as ours; or why the folder is not ours.
Result<QStringList> leftoverRemovalOrder(const QList<LeftoverEntry>& entries,
                                         const QString& markName,
                                         const std::function<bool(const QString&)>& isOwnName);

// Why a folder could not be held for a run.
QString folderBusy(const QString& folder);
QString cannotOpenFolder(const QString& folder, const QString& why);
QString cannotHoldFolder(const QString& folder, const QString& why);
