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
    if (!listing.ok)
        return Outcome::failure(listing.message);

    QStringList chain;
    QDir dir(folder);
    chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));
    while (dir.cdUp())
        chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));

    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString indentStep = QStringLiteral("  ");
    int depth = 0;
    for (const QString& step : chain) {
        auto* item = new QListWidgetItem(openIcon, indentStep.repeated(depth) + displayName(step));
        item->setData(PathRole, step);
        addItem(item);
        ++depth;
    }
    const int currentRow = count() - 1;
    const QString base = QDir(folder).absolutePath();
    for (const FolderEntry& entry : listing.entries) {
        if (!entry.isFolder)
            continue;
        auto* item = new QListWidgetItem(closedIcon, indentStep.repeated(depth) + entry.name);
        item->setData(PathRole, QDir::toNativeSeparators(QDir(base).filePath(entry.name)));
        addItem(item);
    }
    setCurrentRow(currentRow);
    return {};
}
