#include "platform/UserFolders.h"

QString identityName(std::uint64_t device, std::uint64_t inode) {
    return QStringLiteral("%1-%2").arg(device, 0, 16).arg(inode, 0, 16);
}
