#pragma once

#include "platform/FileOps.h"
#include "platform/RealFileOps.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

// File operations that pass every call on to another implementation (the real
// file system, one of its own, unless told otherwise) and number the calls from 1, so that a test
// can make any single call fail with the reason a real disk would give, or end
// the process right there as a crash or a pulled plug would.
class FaultyFileOps : public FileOps {
public:
    enum class Kind { MakeFolder, Copy, Rename, Write, Remove, RemoveFolder };
    struct Call {
        Kind kind = Kind::Write;
        QString path;   // the entry made, changed or removed; the source of a copy or rename
        QString target; // the new name of a rename or the target of a copy; empty otherwise
        // The folder whose entries the call changes.
        QString changedFolder() const;
    };
    // How a stopped process leaves the call it was in: not begun, or, for a copy
    // or a write, with half of the bytes on disk.
    enum class Stop { Before, Halfway };
    static constexpr int StoppedExitCode = 86;

    FaultyFileOps();
    explicit FaultyFileOps(FileOps& inner);

    // The call with this number fails with the errno value's reason and changes nothing.
    void failAt(int step, int errnoValue);
    // Every call that matches fails with the errno value's reason and changes nothing.
    void failWhen(std::function<bool(const Call&)> matches, int errnoValue);
    // The call with this number ends the process (std::_Exit): for forked children only.
    void stopAt(int step, Stop how = Stop::Before);
    // Runs the action once, just before the first call that matches.
    void beforeFirst(std::function<bool(const Call&)> matches, std::function<void()> action);

    int count() const { return static_cast<int>(calls_.size()); }
    int failures() const { return failures_; }
    const QList<Call>& calls() const { return calls_; }
    // One line per call, "3 write /tmp/…/start.htm", for test failure output.
    QString trace() const;

    Outcome makeFolder(const QString& path) override;
    Outcome copyFile(const QString& from, const QString& to) override;
    Outcome renameNoReplace(const QString& from, const QString& to) override;
    Outcome writeFile(const QString& path, const QByteArray& bytes) override;
    Outcome writeFileDurably(const QString& path, const QByteArray& bytes) override;
    Outcome removeFile(const QString& path) override;
    Outcome writeFileLike(const QString& path, const QByteArray& bytes,
                          const PhotoReaders& readers) override;
    Outcome removeEmptyFolder(const QString& path) override;
    Outcome removeLeftoverFolder(const QString& path, const QString& markName,
                                 const std::function<bool(const QString&)>& isOwnName) override;

private:
    Outcome run(const Call& call, const QByteArray* bytes, const std::function<Outcome()>& real);

    std::unique_ptr<RealFileOps> ownDisk_;
    FileOps& inner_;
    QList<Call> calls_;
    int failures_ = 0;
    int failStep_ = 0;
    int failErrno_ = 0;
    std::function<bool(const Call&)> failMatch_;
    int failMatchErrno_ = 0;
    int stopStep_ = 0;
    Stop stopHow_ = Stop::Before;
    std::function<bool(const Call&)> hookMatch_;
    std::function<void()> hook_;
};

const char* kindName(FaultyFileOps::Kind kind);
