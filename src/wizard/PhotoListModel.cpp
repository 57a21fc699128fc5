#include "wizard/PhotoListModel.h"

#include "state/AlbumState.h"
#include "steps/PhotoOrder.h"
#include "wizard/PhotoView.h"

#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

namespace {

const QString PlaceFormat = QStringLiteral("application/x-photoalbum-place");

// The photo fitted into a blank of the full size, so that every line's text
// starts at the same place whatever the photo's proportions.
QImage decodeCentred(const QString& file, QSize size) {
    const QImage photo = decodeScaled(file, size);
    if (photo.isNull())
        return photo;
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage((size.width() - photo.width()) / 2, (size.height() - photo.height()) / 2,
                      photo);
    return picture;
}

} // namespace

PhotoListModel::PhotoListModel(AlbumState& state, QSize pictureSize, QObject* parent)
    : QAbstractListModel(parent), state_(state), lines_(state.photoCount()),
      pictureSize_(pictureSize), blank_(pictureSize) {
    blank_.fill(Qt::transparent);
    connect(this, &PhotoListModel::pictureDecoded, this, &PhotoListModel::keepPicture,
            Qt::QueuedConnection);
}

PhotoListModel::~PhotoListModel() {
    // The decoders report to this model: none may still be running once it is gone.
    decoders_.clear();
    decoders_.waitForDone();
}

void PhotoListModel::reload() {
    beginResetModel();
    lines_ = state_.photoCount();
    endResetModel();
}

QString PhotoListModel::lineText(int row) const {
    const int place = row + 1;
    // The album has words for its forty places; a longer list numbers the rest.
    QString line = place <= MaxPhotos ? ordinalWord(place) : QString::number(place) + u'.';
    if (row < state_.photoCount() && !state_.photos[row].title.isEmpty())
        line += QStringLiteral(" — ") + state_.photos[row].title;
    return line;
}

int PhotoListModel::moveUp(int row) {
    if (row <= 0 || row >= lines_ || row >= state_.photoCount())
        return row;
    beginMoveRows({}, row, row, {}, row - 1);
    const int line = movePhotoUp(state_, row);
    endMoveRows();
    return line;
}

int PhotoListModel::moveDown(int row) {
    if (row < 0 || row + 1 >= lines_ || row + 1 >= state_.photoCount())
        return row;
    beginMoveRows({}, row, row, {}, row + 2);
    const int line = movePhotoDown(state_, row);
    endMoveRows();
    return line;
}

void PhotoListModel::titleChanged(int row) {
    const QModelIndex line = index(row);
    Q_EMIT dataChanged(line, line, {Qt::DisplayRole, Qt::AccessibleTextRole});
}

int PhotoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : lines_;
}

QVariant PhotoListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= lines_)
        return {};
    const bool hasPhoto = row < state_.photoCount();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return lineText(row);
    case Qt::ToolTipRole:
        // Which photo stands at this place now.
        return hasPhoto ? QFileInfo(state_.photos[row].file).fileName() : QString();
    case Qt::DecorationRole:
        return hasPhoto ? picture(state_.photos[row].file) : blank_;
    default:
        return {};
    }
}

Qt::ItemFlags PhotoListModel::flags(const QModelIndex& index) const {
    // Photos are dropped between lines, never onto one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

bool PhotoListModel::moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                              const QModelIndex& destinationParent, int destinationChild) {
    const int photos = std::min(lines_, state_.photoCount());
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1 || sourceRow < 0 ||
        sourceRow >= photos || destinationChild < 0 || destinationChild > photos)
        return false;
    // The view names the line the photo goes before; the album, the line it ends on.
    const int toLine = destinationChild > sourceRow ? destinationChild - 1 : destinationChild;
    if (toLine == sourceRow || !beginMoveRows({}, sourceRow, sourceRow, {}, destinationChild))
        return false;
    movePhoto(state_, sourceRow, toLine);
    endMoveRows();
    return true;
}

Qt::DropActions PhotoListModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList PhotoListModel::mimeTypes() const {
    return {PlaceFormat};
}

QMimeData* PhotoListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(PlaceFormat, QByteArray::number(indexes.first().row()));
    return data;
}

bool PhotoListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                  const QModelIndex& parent) {
    if (action == Qt::IgnoreAction)
        return true;
    if (action != Qt::MoveAction || !data || !data->hasFormat(PlaceFormat))
        return false;
    bool read = false;
    const int from = data->data(PlaceFormat).toInt(&read);
    if (!read)
        return false;
    // Dropped onto a line, the photo takes that line's place.
    int before = row;
    if (before < 0 && parent.isValid())
        before = parent.row() > from ? parent.row() + 1 : parent.row();
    else if (before < 0)
        before = lines_;
    return moveRows({}, from, 1, {}, before);
}

QPixmap PhotoListModel::picture(const QString& file) const {
    if (const auto kept = pictures_.constFind(file); kept != pictures_.cend())
        return kept->isNull() ? blank_ : *kept;
    if (!decoding_.contains(file)) {
        decoding_.insert(file);
        decoders_.start(
            [this, file, size = pictureSize_] {
                Q_EMIT pictureDecoded(file, decodeCentred(file, size));
            },
            ++requests_);
    }
    return blank_;
}

void PhotoListModel::keepPicture(const QString& file, const QImage& picture) {
    decoding_.remove(file);
    pictures_.insert(file, QPixmap::fromImage(picture));
    const int photos = std::min(lines_, state_.photoCount());
    for (int row = 0; row < photos; ++row) {
        if (state_.photos[row].file == file) {
            const QModelIndex line = index(row);
            Q_EMIT dataChanged(line, line, {Qt::DecorationRole});
        }
    }
}
