#include "FaultyFileOps.h"

#include "platform/ErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdlib>
#include <utility>

namespace {

void writeHalf(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.left(bytes.size() / 2));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

const char* kindName(FaultyFileOps::Kind kind) {
    switch (kind) {
    case FaultyFileOps::Kind::MakeFolder:
        return "mkdir";
    case FaultyFileOps::Kind::Copy:
        return "copy";
    case FaultyFileOps::Kind::Rename:
        return "rename";
    case FaultyFileOps::Kind::Write:
        return "write";
    case FaultyFileOps::Kind::Remove:
        return "remove";
    case FaultyFileOps::Kind::RemoveFolder:
        return "rmdir";
    }
    return "?";
}

QString FaultyFileOps::Call::changedFolder() const {
    const QString changed = kind == Kind::Copy ? target : path;
    return QDir::cleanPath(QFileInfo(changed).absolutePath());
}

FaultyFileOps::FaultyFileOps() : ownDisk_(std::make_unique<RealFileOps>()), inner_(*ownDisk_) {}

FaultyFileOps::FaultyFileOps(FileOps& inner) : inner_(inner) {}

void FaultyFileOps::failAt(int step, int errnoValue) {
    failStep_ = step;
    failErrno_ = errnoValue;
}

void FaultyFileOps::failWhen(std::function<bool(const Call&)> matches, int errnoValue) {
    failMatch_ = std::move(matches);
    failMatchErrno_ = errnoValue;
}

void FaultyFileOps::stopAt(int step, Stop how) {
    stopStep_ = step;
    stopHow_ = how;
}

void FaultyFileOps::beforeFirst(std::function<bool(const Call&)> matches,
                                std::function<void()> action) {
    hookMatch_ = std::move(matches);
    hook_ = std::move(action);
}

QString FaultyFileOps::trace() const {
    QStringList lines;
    for (qsizetype i = 0; i < calls_.size(); ++i) {
        const Call& call = calls_[i];
        QString line = QStringLiteral("%1 %2 %3")
                           .arg(i + 1)
                           .arg(QString::fromLatin1(kindName(call.kind)), call.path);
        if (!call.target.isEmpty())
            line += QStringLiteral(" -> ") + call.target;
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

Outcome FaultyFileOps::run(const Call& call, const QByteArray* bytes,
                           const std::function<Outcome()>& real) {
    calls_.append(call);
    const int step = count();
    if (hook_ && hookMatch_(call)) {
        const std::function<void()> action = std::exchange(hook_, nullptr);
        action();
    }
    if (step == stopStep_) {
        if (stopHow_ == Stop::Halfway && call.kind == Kind::Write && bytes)
            writeHalf(call.path, *bytes);
        else if (stopHow_ == Stop::Halfway && call.kind == Kind::Copy)
            writeHalf(call.target, readAll(call.path));
        std::_Exit(StoppedExitCode);
    }
    int errnoValue = 0;
    if (step == failStep_)
        errnoValue = failErrno_;
    else if (failMatch_ && failMatch_(call))
        errnoValue = failMatchErrno_;
    if (errnoValue != 0) {
        ++failures_;
        return Outcome::failure(describeErrno(errnoValue));
    }
    return real();
}

Outcome FaultyFileOps::makeFolder(const QString& path) {
    return run({Kind::MakeFolder, path, {}}, nullptr, [&] { return inner_.makeFolder(path); });
}

Outcome FaultyFileOps::copyFile(const QString& from, const QString& to) {
    return run({Kind::Copy, from, to}, nullptr, [&] { return inner_.copyFile(from, to); });
}

Outcome FaultyFileOps::renameNoReplace(const QString& from, const QString& to) {
    return run({Kind::Rename, from, to}, nullptr, [&] { return inner_.renameNoReplace(from, to); });
}

Outcome FaultyFileOps::writeFile(const QString& path, const QByteArray& bytes) {
    return run({Kind::Write, path, {}}, &bytes, [&] { return inner_.writeFile(path, bytes); });
}

Outcome FaultyFileOps::writeFileDurably(const QString& path, const QByteArray& bytes) {
    return run({Kind::Write, path, {}}, &bytes,
               [&] { return inner_.writeFileDurably(path, bytes); });
}

Outcome FaultyFileOps::writeFileLike(const QString& path, const QByteArray& bytes,
                                     const PhotoReaders& readers) {
    return run({Kind::Write, path, {}}, &bytes,
               [&] { return inner_.writeFileLike(path, bytes, readers); });
}

Outcome FaultyFileOps::removeLeftoverFolder(const QString& path, const QString& markName,
                                            const std::function<bool(const QString&)>& isOwnName) {
    return run({Kind::RemoveFolder, path, {}}, nullptr,
               [&] { return inner_.removeLeftoverFolder(path, markName, isOwnName); });
}

Outcome FaultyFileOps::removeFile(const QString& path) {
    return run({Kind::Remove, path, {}}, nullptr, [&] { return inner_.removeFile(path); });
}

Outcome FaultyFileOps::removeEmptyFolder(const QString& path) {
    return run({Kind::RemoveFolder, path, {}}, nullptr,
               [&] { return inner_.removeEmptyFolder(path); });
}
