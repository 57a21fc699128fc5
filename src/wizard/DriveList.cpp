#include "wizard/DriveList.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace {

// The entries before the drives: the home folder.
constexpr int HomeEntries = 1;

QString rootOf(const QStorageInfo& volume) {
    return QDir::toNativeSeparators(volume.rootPath());
}

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    // Long mount paths must not widen the window.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Single files mounted into a container are no drives to browse.
        if (!QFileInfo(volume.rootPath()).isDir())
            continue;
        const QString root = rootOf(volume);
        if (!roots.contains(root))
            roots.append(root);
    }
    roots.sort();
    // The way home comes first; it is a folder, not a drive, so it is never
    // shown as the drive of the current folder.
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    addItem(home + tr(" [домашняя папка]"), home);
    for (const QString& root : roots) {
        // A drive without a name is called by its root, "C:/" on Windows.
        const QString label = QDir::toNativeSeparators(QStorageInfo(root).displayName());
        addItem(label.isEmpty() || label == root
                    ? root
                    : root + QStringLiteral(" [") + label + QStringLiteral("]"),
                root);
    }
}

QString DriveList::selectedRoot() const {
    return currentData().toString();
}

void DriveList::showDriveOf(const QString& folder) {
    const QString root = rootOf(QStorageInfo(folder));
    const QSignalBlocker quiet(this);
    int at = -1;
    for (int i = HomeEntries; i < count() && at < 0; ++i) {
        if (itemData(i).toString() == root)
            at = i;
    }
    if (at < 0) {
        addItem(root, root);
        at = count() - 1;
    }
    setCurrentIndex(at);
}
