#include "platform/RealFileOps.h"

// Every write is one of writeBytes, which each system has its own of.

Outcome RealFileOps::writeFile(const QString& path, const QByteArray& bytes) {
    return writeBytes(path, bytes, false, nullptr);
}

Outcome RealFileOps::writeFileDurably(const QString& path, const QByteArray& bytes) {
    return writeBytes(path, bytes, true, nullptr);
}

Outcome RealFileOps::writeFileLike(const QString& path, const QByteArray& bytes,
                                   const PhotoReaders& readers) {
    return writeBytes(path, bytes, false, &readers);
}
