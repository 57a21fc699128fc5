#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QThreadPool>

struct AlbumState;

// The preparation window's photo list over the album's photos: one line per
// place, its place word first ("Первая", …; "41." past the words), then the
// photo's title, with a small picture of the photo and its file name as the
// tooltip. Moving a line moves the album's photo, title and comment with it.
//
// The small pictures are decoded only when a line is first shown, on threads
// of their own, and kept; until one is ready the line shows a blank of its size.
class PhotoListModel : public QAbstractListModel {
    Q_OBJECT
public:
    PhotoListModel(AlbumState& state, QSize pictureSize, QObject* parent = nullptr);
    ~PhotoListModel() override;

    // The line of a place: its word, then the title when there is one.
    QString lineText(int row) const;

    // Up and Down: return the line the photo is on afterwards.
    int moveUp(int row);
    int moveDown(int row);
    // The photo on `row` has a new title, which its line shows.
    void titleChanged(int row);
    // The album's photos were chosen anew: one line per photo again.
    void reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A drop between lines is one move of one photo.
    bool moveRows(const QModelIndex& sourceParent, int sourceRow, int count,
                  const QModelIndex& destinationParent, int destinationChild) override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

Q_SIGNALS:
    // Sent from a decoding thread; the model takes it on its own thread.
    void pictureDecoded(const QString& file, const QImage& picture) const;

private:
    QPixmap picture(const QString& file) const;
    void keepPicture(const QString& file, const QImage& picture);

    AlbumState& state_;
    // Lines follow the album's photos as they were when last loaded.
    int lines_;
    QSize pictureSize_;
    QPixmap blank_;
    // Null for a file that could not be decoded, so it is not tried again.
    mutable QHash<QString, QPixmap> pictures_;
    mutable QSet<QString> decoding_;
    // The lines shown last are decoded first.
    mutable int requests_ = 0;
    mutable QThreadPool decoders_;
};
