#include "wizard/FolderList.h"

#include "platform/FolderListing.h"

#include <QApplication>
#include <QDir>
#include <QStyle>

namespace {

constexpr int PathRole = Qt::UserRole;

QString normalised(const QString& folder) {
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
}

QString displayName(const QString& folder) {
    const QString name = QDir(folder).dirName();
    return name.isEmpty() ? folder : name;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item)
            Q_EMIT folderChosen(item->data(PathRole).toString());
    });
}

Outcome FolderList::setPath(const QString& folder) {
    const QString target = normalised(folder);
    if (target == path_)
        return {};
    if (const Outcome filled = fill(target); !filled)
        return filled;
    path_ = target;
    Q_EMIT pathChanged(path_);
    return {};
}

void FolderList::restorePath(const QString& folder) {
    const QString target = normalised(folder);
    if (fill(target))
        path_ = target;
}

Outcome FolderList::fill(const QString& folder) {
    if (folder.isEmpty())
        return Outcome::failure(QString());
    const FolderEntries listing = listFolderEntries(folder);
    if (!listing.ok())
        return Outcome::failure(listing.message);

    QStringList chain;
    QDir dir(folder);
    chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));
    while (dir.cdUp())
        chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));

    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The blanks only show the depth; a screen reader hears the bare name and
    // the level.
    const auto addLine = [this](const QIcon& icon, const QString& name, int depth,
                                const QString& path) {
        auto* item = new QListWidgetItem(icon, QStringLiteral("  ").repeated(depth) + name);
        item->setData(Qt::AccessibleTextRole, name);
        item->setData(Qt::AccessibleDescriptionRole, tr("уровень %1").arg(depth + 1));
        item->setData(PathRole, path);
        addItem(item);
    };
    int depth = 0;
    for (const QString& step : chain)
        addLine(openIcon, displayName(step), depth++, step);
    const int currentRow = count() - 1;
    const QString base = QDir(folder).absolutePath();
    for (const FolderEntry& entry : listing.value) {
        if (entry.isFolder)
            addLine(closedIcon, entry.name, depth,
                    QDir::toNativeSeparators(QDir(base).filePath(entry.name)));
    }
    setCurrentRow(currentRow);
    return {};
}
