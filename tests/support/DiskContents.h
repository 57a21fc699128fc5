#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The whole content of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// Every entry under a folder by its path relative to it, without following
// links: a file's bytes, a link's target ("-> target"), "/" for a folder. Lets a
// test check that nothing on disk changed.
QMap<QString, QByteArray> treeSnapshot(const QString& root);

// The names of every entry in a folder, hidden ones too, sorted.
QStringList sortedEntries(const QString& folder);

// Names of the photos (name → bytes) whose bytes are found nowhere under the
// folder, whatever they are called now.
QStringList lostPhotos(const QString& folder, const QMap<QString, QByteArray>& photos);

// The sorted contents of the files under a folder that are not pages or
// navigation images (".htm", ".gif"): the photos under any name they now have.
QList<QByteArray> photoContents(const QString& folder);

// What changed between two tree snapshots: "+name" added, "-name" gone, "~name" new bytes.
QStringList changes(const QMap<QString, QByteArray>& before,
                    const QMap<QString, QByteArray>& after);
