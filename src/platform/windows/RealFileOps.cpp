#include "platform/RealFileOps.h"

#include "platform/ErrorText.h"
#include "platform/FileOpsTexts.h"
#include "platform/FileStatus.h"
#include "platform/windows/EntryFolder.h"

#include <cerrno>
#include <io.h>
#include <vector>
#include <winternl.h>

// Every entry is created, renamed and removed through a handle opened relative
// to its folder's (EntryFolder), never through a link: files are created new
// (FILE_CREATE), a link in an entry's place is opened as itself
// (FILE_OPEN_REPARSE_POINT), and what is removed or renamed is the very file
// the handle checked.

namespace {

constexpr ULONG AsItself = FILE_OPEN_REPARSE_POINT;

QByteArray keyOf(const std::wstring& path) {
    return QString::fromStdWString(path).toCaseFolded().toUtf8();
}

int identityOf(HANDLE handle, QPair<quint64, quint64>& identity) {
    HandleFacts facts;
    const int error = factsOf(handle, facts);
    identity = {facts.volume, facts.id};
    return error;
}

int writeAllTo(HANDLE out, const char* data, qsizetype size) {
    for (qsizetype done = 0; done < size;) {
        DWORD put = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(size - done, 1 << 30));
        if (!::WriteFile(out, data + done, chunk, &put, nullptr))
            return lastErrno();
        done += put;
    }
    return 0;
}

// A file that shrinks while it is copied yields what it holds by then.
int copyContents(HANDLE in, HANDLE out) {
    std::vector<char> buffer(1 << 20);
    while (true) {
        DWORD got = 0;
        if (!::ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return lastErrno();
        if (got == 0)
            return 0;
        if (const int error = writeAllTo(out, buffer.data(), got); error != 0)
            return error;
    }
}

// Only the program reads or writes a file while it makes it.
int createNew(const EntryFolder& target, Handle& out) {
    return openIn(target.handle(), target.name(), GENERIC_WRITE | DELETE, 0, FILE_CREATE,
                  FILE_NON_DIRECTORY_FILE | AsItself, out);
}

} // namespace

Outcome RealFileOps::checkMadeFolder(const EntryFolder& folder) {
    if (folder.error())
        return changeFailure(folder.error());
    QMutexLocker locker(&mutex_);
    const auto made = madeFolders_.constFind(keyOf(folder.folderPath()));
    if (made == madeFolders_.constEnd())
        return {};
    Identity identity;
    if (identityOf(folder.handle(), identity) != 0 || identity != *made)
        return swappedFolder();
    return {};
}

Outcome RealFileOps::makeFolder(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    // Made and opened in one call: the identity is that of the folder made.
    Handle made;
    if (const int error = openIn(entry.handle(), entry.name(), FILE_READ_ATTRIBUTES, ShareAll,
                                 FILE_CREATE, FILE_DIRECTORY_FILE | AsItself, made);
        error != 0)
        return changeFailure(error);
    Identity identity;
    if (identityOf(made.get(), identity) != 0)
        return swappedFolder();
    QMutexLocker locker(&mutex_);
    madeFolders_.insert(keyOf(entry.entryPath()), identity);
    return {};
}

Outcome RealFileOps::copyFile(const QString& from, const QString& to) {
    // A link to a photo is followed when reading: only the copy must be new.
    const Result<int> opened = openOrdinaryFile(from);
    if (!opened)
        return Outcome::failure(opened.message);
    const auto in = reinterpret_cast<HANDLE>(::_get_osfhandle(opened.value));
    const auto finish = [&opened](const Outcome& outcome) {
        ::_close(opened.value);
        return outcome;
    };
    const EntryFolder target(to);
    if (const Outcome same = checkMadeFolder(target); !same)
        return finish(same);
    Handle out;
    if (const int error = createNew(target, out); error != 0)
        return finish(changeFailure(error));
    if (const int error = copyContents(in, out.get()); error != 0) {
        removeByHandle(out.get()); // only our own partial copy
        return finish(changeFailure(error));
    }
    return finish(Outcome::success());
}

Outcome RealFileOps::renameNoReplace(const QString& from, const QString& to) {
    const EntryFolder source(from);
    const EntryFolder target(to);
    for (const EntryFolder* entry : {&source, &target}) {
        if (const Outcome same = checkMadeFolder(*entry); !same)
            return same;
    }
    Handle moving;
    if (const int error = openIn(source.handle(), source.name(), DELETE | FILE_READ_ATTRIBUTES,
                                 ShareAll, FILE_OPEN, AsItself, moving);
        error != 0)
        return changeFailure(error);
    // A folder this program made is renamed only while it is still that folder;
    // the handle that renames it is the one checked.
    const QByteArray sourceKey = keyOf(source.entryPath());
    QMutexLocker locker(&mutex_);
    const auto made = madeFolders_.constFind(sourceKey);
    Identity identity;
    if (made != madeFolders_.constEnd() &&
        (identityOf(moving.get(), identity) != 0 || identity != *made))
        return swappedFolder();
    // Another name of the same file (a hard link) is not the entry itself, which
    // a rename that only changes the case finds under the new name.
    Handle existing;
    HandleFacts named, moved;
    if (openIn(target.handle(), target.name(), FILE_READ_ATTRIBUTES, ShareAll, FILE_OPEN, AsItself,
               existing) == 0 &&
        (factsOf(existing.get(), named) != 0 || factsOf(moving.get(), moved) != 0 ||
         named.volume != moved.volume || named.id != moved.id ||
         (!moved.isFolder() && moved.links > 1)))
        return changeFailure(EEXIST);
    existing.reset();
    // The new name as the kernel reads it: "\??\C:\..." for "\\?\C:\...".
    const std::wstring newName = L"\\??\\" + target.entryPath().substr(4);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + newName.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(newName.size() * sizeof(wchar_t));
    std::memcpy(rename->FileName, newName.data(), rename->FileNameLength);
    if (!::SetFileInformationByHandle(moving.get(), FileRenameInfo, rename,
                                      static_cast<DWORD>(buffer.size())))
        return changeFailure(lastErrno());
    if (made != madeFolders_.constEnd()) {
        madeFolders_.remove(sourceKey);
        madeFolders_.insert(keyOf(target.entryPath()), identity);
    }
    return {};
}

Outcome RealFileOps::writeBytes(const QString& path, const QByteArray& bytes, bool durably,
                                const PhotoReaders*) {
    // Who may read the new file is the folder's to say, as for a copy: it
    // inherits the album folder's permissions.
    const EntryFolder target(path);
    if (const Outcome same = checkMadeFolder(target); !same)
        return same;
    Handle out;
    if (const int error = createNew(target, out); error != 0)
        return changeFailure(error);
    int error = writeAllTo(out.get(), bytes.constData(), bytes.size());
    // NTFS journals the folder entry itself; the file's bytes are flushed here.
    if (error == 0 && durably && !::FlushFileBuffers(out.get()))
        error = lastErrno();
    if (error == 0)
        return Outcome::success();
    removeByHandle(out.get()); // the file this call created
    return changeFailure(error);
}

Outcome RealFileOps::removeEmptyFolder(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    Handle folder;
    HandleFacts facts;
    int error = openIn(entry.handle(), entry.name(), DELETE | FILE_READ_ATTRIBUTES, ShareAll,
                       FILE_OPEN, FILE_DIRECTORY_FILE | AsItself, folder);
    if (error == 0)
        error = factsOf(folder.get(), facts);
    if (error == 0 && facts.link)
        error = ENOTDIR;
    if (error == 0)
        error = removeByHandle(folder.get());
    if (error != 0)
        return changeFailure(error);
    QMutexLocker locker(&mutex_);
    madeFolders_.remove(keyOf(entry.entryPath()));
    return {};
}

Outcome RealFileOps::removeFile(const QString& path) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    // A link is removed itself, never what it points to, and a folder is never
    // removed as a file.
    Handle file;
    int error = openIn(entry.handle(), entry.name(), DELETE | FILE_READ_ATTRIBUTES, ShareAll,
                       FILE_OPEN, FILE_NON_DIRECTORY_FILE | AsItself, file);
    if (error == 0)
        error = removeByHandle(file.get());
    return error == 0 ? Outcome::success() : changeFailure(error);
}

Outcome RealFileOps::removeLeftoverFolder(const QString& path, const QString& markName,
                                          const std::function<bool(const QString&)>& isOwnName) {
    const EntryFolder entry(path);
    if (const Outcome same = checkMadeFolder(entry); !same)
        return same;
    // Everything below is checked, listed and removed through this one handle:
    // a folder swapped in under the name meanwhile is not the one emptied, and
    // while it is held nobody else can rename or remove it.
    Handle folder;
    int error = openIn(entry.handle(), entry.name(),
                       FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | DELETE,
                       ShareHeld, FILE_OPEN, FILE_DIRECTORY_FILE | AsItself, folder);
    HandleFacts facts;
    if (error == 0)
        error = factsOf(folder.get(), facts);
    if (error == ENOTDIR || (error == 0 && facts.link))
        return notAFolder();
    if (error != 0)
        return changeFailure(error);
    QList<LeftoverEntry> entries;
    std::vector<char> buffer(64 * 1024);
    for (auto kind = FileIdBothDirectoryRestartInfo;; kind = FileIdBothDirectoryInfo) {
        if (!::GetFileInformationByHandleEx(folder.get(), kind, buffer.data(),
                                            static_cast<DWORD>(buffer.size()))) {
            if (::GetLastError() == ERROR_NO_MORE_FILES)
                break;
            return changeFailure(lastErrno());
        }
        for (std::size_t at = 0;;) {
            const auto* item = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer.data() + at);
            const QString name =
                QString::fromWCharArray(item->FileName, item->FileNameLength / sizeof(wchar_t));
            if (name != QLatin1String(".") && name != QLatin1String(".."))
                entries.append({name, !(item->FileAttributes & (FILE_ATTRIBUTE_DIRECTORY |
                                                                FILE_ATTRIBUTE_REPARSE_POINT))});
            if (item->NextEntryOffset == 0)
                break;
            at += item->NextEntryOffset;
        }
    }
    const Result<QStringList> order = leftoverRemovalOrder(entries, markName, isOwnName);
    if (!order)
        return order;
    for (const QString& name : order.value) {
        Handle file;
        error = openIn(folder.get(), name.toStdWString(), DELETE, ShareAll, FILE_OPEN,
                       FILE_NON_DIRECTORY_FILE | AsItself, file);
        if (error == 0)
            error = removeByHandle(file.get());
        if (error != 0)
            return Outcome::failure(QStringLiteral("«%1»: %2").arg(name, describeErrno(error)));
    }
    // Only an empty folder can go, and it is the one just emptied.
    if (const int removed = removeByHandle(folder.get()); removed != 0)
        return changeFailure(removed);
    folder.reset();
    QMutexLocker locker(&mutex_);
    madeFolders_.remove(keyOf(entry.entryPath()));
    return {};
}
